// Whether the program in the foreground fills its whole monitor.
#include "ui/fader/Geometry.h"
#include "ui/main/MainWindow.h"

namespace {
Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
}  // namespace

// The desktop itself covers its monitor but is no full-screen program: a user who clicked the
// desktop still gets the Fader.
bool MainWindow::IsFullScreenAppRunning() const {
  RECT window{};
  HWND foreground = GetForegroundWindow();
  if (foreground == GetDesktopWindow() || foreground == GetShellWindow()) foreground = nullptr;
  if (!foreground || !GetWindowRect(foreground, &window)) SetRectEmpty(&window);
  const HMONITOR monitor = MonitorFromRect(&window, MONITOR_DEFAULTTONULL);
  if (!monitor) return false;
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (!GetMonitorInfoW(monitor, &info)) SetRectEmpty(&info.rcMonitor);
  return CoversMonitor(ToRect(window), ToRect(info.rcMonitor));
}
