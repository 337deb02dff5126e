// Ends the running Dusklamp the way its menu's Exit does, for the package tests' shell scripts:
// waits up to 20 seconds for the window of that class name, posts the command and waits until
// the lock is gone. With --running it only waits for the window.
#include <windows.h>

#include "app/LockName.h"
#include "res/resource.h"

int main(int argc, char**) {
  HWND window = nullptr;
  for (int i = 0; i < 200 && !window; ++i) {
    window = FindWindowW(kLockName, nullptr);
    if (!window) Sleep(100);
  }
  if (!window) return 2;
  if (argc > 1) return 0;
  PostMessageW(window, WM_COMMAND, CMD_EXIT, 0);
  for (int i = 0; i < 200; ++i) {
    const HANDLE lock = OpenMutexW(SYNCHRONIZE, FALSE, kLockName);
    if (!lock) return 0;
    CloseHandle(lock);
    Sleep(50);
  }
  return 1;
}
