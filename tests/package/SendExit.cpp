// Ends the running Dusklamp the way its menu's Exit does, for the package tests' shell scripts:
// posts the command to the window found by its class name and waits until the lock is gone.
#include <windows.h>

#include "app/LockName.h"
#include "res/resource.h"

int main() {
  const HWND window = FindWindowW(kLockName, nullptr);
  if (!window) return 2;
  PostMessageW(window, WM_COMMAND, CMD_EXIT, 0);
  for (int i = 0; i < 200; ++i) {
    const HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, kLockName);
    if (!lock) return 0;
    CloseHandle(lock);
    Sleep(50);
  }
  return 1;
}
