#include "ui/fader/Monitors.h"

#include "app/SystemLibraries.h"
#include "ui/WinRect.h"
#include "ui/main/Foreground.h"

namespace {

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, RECT*, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoW(monitor, &info)) {
    reinterpret_cast<std::vector<MonitorArea>*>(data)->push_back(
        {ToRect(info.rcMonitor), ToRect(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0, false});
  }
  return TRUE;
}

std::vector<MonitorArea> EnumerateMonitors() {
  std::vector<MonitorArea> monitors;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

MonitorQuery& Query() {
  static MonitorQuery query = EnumerateMonitors;
  return query;
}

WindowAttributeQuery attributeQuery = nullptr;

bool IsCloaked(HWND window) {
  static const LibraryHandle dwmapi = LoadSystemLibrary(L"dwmapi.dll");
  static const auto dwmQuery = LibraryFunction<WindowAttributeQuery>(dwmapi.Get(), "DwmGetWindowAttribute");
  const WindowAttributeQuery query = attributeQuery ? attributeQuery : dwmQuery;
  constexpr DWORD kCloaked = 14;  // DWMWA_CLOAKED, Windows 8 and later
  DWORD cloaked = 0;
  return query && SUCCEEDED(query(window, kCloaked, &cloaked, sizeof(cloaked))) && cloaked != 0;
}

struct CoverSearch {
  std::vector<MonitorArea>* monitors;
  HWND main;
};

BOOL CALLBACK MarkIfCovering(HWND window, LPARAM data) {
  auto& search = *reinterpret_cast<CoverSearch*>(data);
  RECT rect{};
  if (!IsWindowVisible(window) || IsIconic(window) || IsOurs(window, search.main) || IsDesktop(window) ||
      (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TRANSPARENT) || IsCloaked(window) ||
      !GetWindowRect(window, &rect)) {
    return TRUE;
  }
  for (MonitorArea& monitor : *search.monitors) {
    if (FillsMonitor(window, rect, monitor.monitor)) monitor.covered = true;
  }
  return TRUE;
}

}  // namespace

MonitorQuery SetMonitorQuery(MonitorQuery query) {
  const MonitorQuery previous = Query();
  Query() = query;
  return previous;
}

std::vector<MonitorArea> QueryMonitors() { return Query()(); }

WindowAttributeQuery SetWindowAttributeQuery(WindowAttributeQuery query) {
  const WindowAttributeQuery previous = attributeQuery;
  attributeQuery = query;
  return previous;
}

bool FillsMonitor(HWND window, const RECT& rect, const Rect& monitor) {
  const bool captioned = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION;
  return CoversMonitor(ToRect(rect), monitor) && !(IsZoomed(window) && captioned);
}

void MarkCoveredMonitors(std::vector<MonitorArea>& monitors, HWND main) {
  CoverSearch search{&monitors, main};
  EnumWindows(MarkIfCovering, reinterpret_cast<LPARAM>(&search));
}
