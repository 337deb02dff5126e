#include "ui/fader/OverlayWindows.h"

#include "app/Module.h"
#include "ui/Window.h"
#include "ui/WinRect.h"
#include "ui/fader/Audience.h"
#include "ui/fader/FaderPaint.h"

class OverlayWindows::Overlay : public Window {
 public:
  explicit Overlay(HWND owner) {
    WNDCLASSEXW windowClass{};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = ResourceModule();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = L"DusklampOverlay";
    CreateBound(windowClass,
                WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED | WS_EX_NOACTIVATE,
                WS_POPUP, owner);
  }
  ~Overlay() override {
    if (hwnd()) DestroyWindow(hwnd());
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_ERASEBKGND:
        PaintOverlay(hwnd(), reinterpret_cast<HDC>(wParam));
        return 1;
      case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;
      case WM_DPICHANGED:
        // Its monitor was rescaled: drawn again at the new scale, and the main window lays
        // every overlay out again.
        InvalidateRect(hwnd(), nullptr, TRUE);
        PostMessageW(GetWindow(hwnd(), GW_OWNER), WM_DISPLAYCHANGE, 0, 0);
        return 0;
      default:
        return DefWindowProcW(hwnd(), message, wParam, lParam);
    }
  }
};

OverlayWindows::OverlayWindows() = default;
OverlayWindows::~OverlayWindows() = default;

void OverlayWindows::Cover(HWND owner, const std::vector<Rect>& areas, BYTE alpha, bool hideFromCapture) {
  if (overlays_.size() > areas.size()) overlays_.resize(areas.size());
  for (size_t i = 0; i < areas.size(); ++i) {
    if (i == overlays_.size()) {
      auto overlay = std::make_unique<Overlay>(owner);
      if (!overlay->hwnd()) return;
      if (hideFromCapture) ExcludeFromCapture(overlay->hwnd(), true);
      overlays_.push_back(std::move(overlay));
    }
    const HWND window = overlays_[i]->hwnd();
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
    RECT current{};
    GetWindowRect(window, &current);
    if (ToRect(current) != areas[i]) {
      MoveWindow(window, areas[i].left, areas[i].top, areas[i].Width(), areas[i].Height(), FALSE);
      InvalidateRect(window, nullptr, TRUE);
    }
    if (!IsWindowVisible(window)) {
      SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
  }
}

void OverlayWindows::SetAlpha(BYTE alpha) {
  for (const auto& overlay : overlays_) SetLayeredWindowAttributes(overlay->hwnd(), 0, alpha, LWA_ALPHA);
}

void OverlayWindows::Invalidate() {
  for (const auto& overlay : overlays_) InvalidateRect(overlay->hwnd(), nullptr, TRUE);
}

std::vector<HWND> OverlayWindows::Windows() const {
  std::vector<HWND> windows;
  for (const auto& overlay : overlays_) windows.push_back(overlay->hwnd());
  return windows;
}
