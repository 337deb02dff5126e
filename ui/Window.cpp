#include "ui/Window.h"

HWND Window::CreateBound(const WNDCLASSEXW& windowClass, DWORD exStyle, DWORD style, HWND parent) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (!GetClassInfoExW(windowClass.hInstance, windowClass.lpszClassName, &existing)) {
    WNDCLASSEXW registered = windowClass;
    registered.cbSize = sizeof(registered);
    registered.lpfnWndProc = StaticProc;
    if (!RegisterClassExW(&registered)) return nullptr;
  }
  return CreateWindowExW(exStyle, windowClass.lpszClassName, nullptr, style, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr,
                         windowClass.hInstance, this);
}

LRESULT CALLBACK Window::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self && message == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  const LRESULT result = self->WindowProc(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}
