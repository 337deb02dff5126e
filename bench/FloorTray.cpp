// The floor: the least a Win32 tray program can be, a window, a tray icon and a message loop,
// built with the same compiler and flags as Dusklamp. It ends on the same Exit command.
#include <windows.h>
#include <shellapi.h>

#include "res/resource.h"

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == CMD_EXIT) {
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    NOTIFYICONDATAW record{};
    record.cbSize = NOTIFYICONDATAW_V2_SIZE;
    record.hWnd = window;
    record.uID = 1;
    Shell_NotifyIconW(NIM_DELETE, &record);
    PostQuitMessage(1);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = Proc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"DusklampFloor";
  RegisterClassW(&windowClass);
  const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"DusklampFloor", nullptr, WS_POPUP, 0, 0,
                                      0, 0, nullptr, nullptr, instance, nullptr);
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V2_SIZE;
  record.hWnd = window;
  record.uID = 1;
  record.uFlags = NIF_ICON | NIF_TIP;
  record.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpyW(record.szTip, L"Floor");
  Shell_NotifyIconW(NIM_ADD, &record);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return int(msg.wParam);
}
