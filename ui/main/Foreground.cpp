#include "ui/main/Foreground.h"

bool IsOurs(HWND window, HWND main) {
  return window && GetAncestor(window, GA_ROOTOWNER) == main;
}

// The shell's desktop window or another window of its thread.
bool IsDesktop(HWND window) {
  if (window == GetDesktopWindow()) return true;
  const HWND shell = GetShellWindow();
  return shell && GetWindowThreadProcessId(window, nullptr) == GetWindowThreadProcessId(shell, nullptr);
}

namespace {

// The taskbar's process: a click on the notification area makes one of its windows the
// foreground window.
bool IsShell(HWND window) {
  DWORD shell = 0, process = 0;
  GetWindowThreadProcessId(FindWindowW(L"Shell_TrayWnd", nullptr), &shell);
  GetWindowThreadProcessId(window, &process);
  return shell != 0 && process == shell;
}

// A visible top-level window that takes part in the task switch: no tool window or tooltip.
bool IsWorkWindow(HWND window, HWND main) {
  return IsWindowVisible(window) && !IsOurs(window, main) && !IsShell(window) &&
         !(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

}  // namespace

HWND WindowUserWorksIn(HWND main) {
  // While this program holds the foreground (a handing back still on its way, say), the user's
  // window is the one last seen.
  static HWND lastSeen = nullptr;
  const HWND foreground = GetForegroundWindow();
  if (!foreground || IsOurs(foreground, main)) return IsWindow(lastSeen) ? lastSeen : nullptr;
  lastSeen = foreground;
  if (IsShell(foreground)) {
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
      if (IsWorkWindow(window, main)) {
        lastSeen = window;
        break;
      }
    }
  }
  return lastSeen;
}

void ReturnForeground(HWND main, HWND previous) {
  const HWND foreground = GetForegroundWindow();
  if (previous && IsWindow(previous) && (!foreground || IsOurs(foreground, main))) {
    SetForegroundWindow(previous);
  }
}
