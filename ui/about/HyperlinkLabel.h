#pragma once
// A static text turned link: painted in the browser's link colours, hand cursor over the text,
// focusable, and activated by a click or by Return or Space, which opens the target.
#include <windows.h>

#include <string>

#include "ui/Handles.h"
#include "ui/Subclass.h"

class HyperlinkLabel : public SubclassedControl {
 public:
  // Opens a target; true on success. Tests replace the shell.
  using OpenFunction = bool (*)(const wchar_t* target);
  static OpenFunction SetOpener(OpenFunction opener);

  ~HyperlinkLabel();

  bool underlineOnHover = false;
  bool noTooltip = false;

  bool Attach(HWND control);
  bool SetTarget(const std::wstring& target);
  void SetLabel(const std::wstring& label);

  COLORREF LinkColor() const { return linkColor_; }
  COLORREF VisitedColor() const { return visitedColor_; }
  bool Visited() const { return visited_; }
  RECT LabelRect() const { return labelRect_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void UseFont(HFONT font);
  void ReadBrowserColors();
  void ComputeLabelRect();
  void RegisterTool();
  void Paint(HDC dc);
  void SetHovering(bool hovering);
  bool InLabel(POINT point) const;
  void Activate();
  UINT Alignment() const;

  std::wstring label_;
  std::wstring target_;
  bool hasLabel_ = false;
  COLORREF linkColor_ = RGB(0, 0, 255);
  COLORREF visitedColor_ = RGB(128, 0, 128);
  bool isText_ = true;
  bool visited_ = false;
  bool hovering_ = false;
  HFONT normalFont_ = nullptr;
  FontHandle linkFont_;
  HCURSOR handCursor_ = nullptr;
  HWND tooltip_ = nullptr;
  RECT labelRect_{};
};
