#include "ui/Dpi.h"

#include "app/SystemLibraries.h"

namespace {

// Looked up at run time: the program also runs on systems older than these functions.
template <typename Function>
Function User32Function(const char* name) {
  return LibraryFunction<Function>(GetModuleHandleW(L"user32.dll"), name);
}

WindowDpiQuery dpiQuery = nullptr;

}  // namespace

WindowDpiQuery SetWindowDpiQuery(WindowDpiQuery query) {
  const WindowDpiQuery previous = dpiQuery;
  dpiQuery = query;
  return previous;
}

UINT WindowDpi(HWND window) {
  static const auto getDpiForWindow = User32Function<WindowDpiQuery>("GetDpiForWindow");
  const WindowDpiQuery query = dpiQuery ? dpiQuery : getDpiForWindow;
  if (query && window) {
    if (const UINT dpi = query(window)) return dpi;
  }
  const HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? UINT(dpi) : USER_DEFAULT_SCREEN_DPI;
}

UINT TaskbarDpi() {
  // Without a taskbar (a shell of another kind), the system's DPI, which is the primary monitor's.
  return WindowDpi(FindWindowW(L"Shell_TrayWnd", nullptr));
}

int SystemMetricForDpi(int index, UINT dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto getSystemMetricsForDpi =
      User32Function<GetSystemMetricsForDpiFunction>("GetSystemMetricsForDpi");
  return getSystemMetricsForDpi ? getSystemMetricsForDpi(index, dpi) : GetSystemMetrics(index);
}
