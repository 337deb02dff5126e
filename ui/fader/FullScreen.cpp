// Whether the program in the foreground fills its whole monitor.
#include "ui/WinRect.h"
#include "ui/fader/Monitors.h"
#include "ui/main/Foreground.h"
#include "ui/main/MainWindow.h"

bool MainWindow::IsFullScreenAppRunning() const {
  RECT window{};
  HWND foreground = GetForegroundWindow();
  // A user who clicked the desktop still gets the Fader. Only a visible window of another program
  // can be a full-screen program: after a tray menu or a dialog, the foreground may be the main
  // window, hidden on the work area it last covered.
  if (IsDesktop(foreground) || !IsWindowVisible(foreground) || IsOurs(foreground, hwnd())) {
    foreground = nullptr;
  }
  if (!foreground || !GetWindowRect(foreground, &window)) SetRectEmpty(&window);
  const HMONITOR monitor = MonitorFromRect(&window, MONITOR_DEFAULTTONULL);
  if (!monitor) return false;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) SetRectEmpty(&info.rcMonitor);
  return FillsMonitor(foreground, window, ToRect(info.rcMonitor));
}
