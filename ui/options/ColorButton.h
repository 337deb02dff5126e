#pragma once
// A static control turned colour swatch: a click opens the colour dialog, a press and drag picks
// the screen pixel under the cursor like an eyedropper. After each change made by the user it
// posts WM_COLORBUTTON_CHANGED to its parent.
#include <windows.h>

#include <optional>
#include <string>

#include "settings/ArgbColor.h"
#include "ui/Subclass.h"

// wParam: the swatch's window; lParam: the new colour as a colour reference.
constexpr UINT WM_COLORBUTTON_CHANGED = WM_APP + 1001;

class ColorButton : public SubclassedControl {
 public:
  // Also makes the static owner-drawn and able to receive clicks.
  bool Attach(HWND control);
  void SetColor(ArgbColor color);
  ArgbColor GetColor() const { return color_; }

  void DrawSwatch(HDC dc) const;
  // What a screen reader says of it.
  std::wstring AccessibleName() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Paint(HDC target, const RECT& area);
  void OnPaint(HDC given);
  void OnRelease(LPARAM lParam);
  void OnDrag(LPARAM lParam);
  void CancelDrag();
  void EndDrag();
  // The colour of a screen pixel, announced to the parent; nothing where none can be read.
  std::optional<ArgbColor> PickColor(POINT screenPoint);
  // The colour dialog; true with the confirmed colour, which is announced to the parent.
  bool PickColor(ArgbColor& chosen);
  void Changed(ArgbColor color);

  ArgbColor color_ = ArgbColor::FromRgb(255, 255, 255);
  ArgbColor colorBeforeDrag_ = ArgbColor::FromRgb(255, 255, 255);
  bool dragCancelled_ = false;
  HWND focusBeforeDrag_ = nullptr;
};
