#pragma once
// The Fader's windows on monitors beyond the main window's. Each covers one work area, draws
// what the main window draws and shows at its alpha; like it, they let clicks through and never
// take the focus. They are owned by the main window, so it counts them as its own.
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/fader/Geometry.h"

class OverlayWindows {
 public:
  OverlayWindows();
  ~OverlayWindows();
  OverlayWindows(const OverlayWindows&) = delete;
  OverlayWindows& operator=(const OverlayWindows&) = delete;

  // One shown window per area, in order: the ones there are moved where needed, new ones made
  // (left out of captures when asked) and shown at `alpha`, the rest destroyed.
  void Cover(HWND owner, const std::vector<Rect>& areas, BYTE alpha, bool hideFromCapture);
  void SetAlpha(BYTE alpha);
  void Invalidate();
  void Clear() { Cover(nullptr, {}, 0, false); }
  std::vector<HWND> Windows() const;

 private:
  class Overlay;
  std::vector<std::unique_ptr<Overlay>> overlays_;
};
