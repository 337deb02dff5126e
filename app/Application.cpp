#include "app/Application.h"

#include <commctrl.h>
#include <ole2.h>

#include "app/LockName.h"
#include "app/Module.h"
#include "ui/main/Commands.h"
#include "ui/main/MainWindow.h"

int StartApplication(AppInstance& app, HINSTANCE instance) {
  app.mutex.Reset(CreateMutexW(nullptr, FALSE, kLockName));
  if (!app.mutex) return 0;
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    ActivateRunningInstance();
    return 0;
  }
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                   ICC_PROGRESS_CLASS | ICC_DATE_CLASSES | ICC_COOL_CLASSES | ICC_HOTKEY_CLASS;
  InitCommonControlsEx(&controls);
  SetResourceModule(instance);
  const int result = RunMainWindow();
  SetResourceModule(nullptr);
  OleUninitialize();
  return result;
}

void ActivateRunningInstance() {
  const HWND running = FindWindowW(kLockName, nullptr);
  if (!IsWindow(running)) return;
  if (IsWindowEnabled(running)) {
    // Not brought to the foreground: the main window is the Fader, which never takes the focus.
    if (!IsWindowVisible(running)) PostMessageW(running, WM_COMMAND, CmdToggleShow, 0);
  } else {
    // A modal dialog of the running copy is open: bring that forward instead.
    SetForegroundWindow(GetWindow(running, GW_ENABLEDPOPUP));
  }
}

int RunMainWindow() {
  MainWindow& window = MainWindow::Instance();
  if (!window.Create()) return 0;
  MSG msg;
  BOOL got;
  while ((got = GetMessageW(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return int(msg.wParam);
}
