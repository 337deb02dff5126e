#include "ui/Dpi.h"

#include "app/SystemLibraries.h"

namespace {

// Looked up at run time: the program also runs on systems older than these functions.
template <typename Function>
Function User32Function(const char* name) {
  return LibraryFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

UINT WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  if (getDpiForWindow && window) {
    if (const UINT dpi = getDpiForWindow(window)) return dpi;
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? UINT(dpi) : USER_DEFAULT_SCREEN_DPI;
}

int SystemMetricForDpi(int index, UINT dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto getSystemMetricsForDpi =
      User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  return getSystemMetricsForDpi ? getSystemMetricsForDpi(index, dpi) : GetSystemMetrics(index);
}
