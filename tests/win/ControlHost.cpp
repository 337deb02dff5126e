#include "tests/win/ControlHost.h"

#include <cstring>

ControlHost::ControlHost() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"ControlHost";
  RegisterClassW(&windowClass);
  window_ = CreateWindowExW(0, L"ControlHost", L"host", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300,
                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

ControlHost::~ControlHost() { DestroyWindow(window_); }

HWND ControlHost::Add(const wchar_t* className, DWORD style, int x, int y, int width, int height,
                      int id) {
  return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                         window_, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                         nullptr);
}

namespace {

bool OpenWithRetries() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    if (OpenClipboard(nullptr)) return true;
    Sleep(20);
  }
  return false;
}

}  // namespace

bool PutTextOnClipboard(const std::wstring& text) {
  if (!OpenWithRetries()) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(data), text.c_str(), bytes);
  GlobalUnlock(data);
  const bool set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
  CloseClipboard();
  return set;
}

bool PutBitmapOnClipboard() {
  if (!OpenWithRetries()) return false;
  EmptyClipboard();
  const HDC screen = GetDC(nullptr);
  const bool set = SetClipboardData(CF_BITMAP, CreateCompatibleBitmap(screen, 8, 8)) != nullptr;
  ReleaseDC(nullptr, screen);
  CloseClipboard();
  return set;
}
