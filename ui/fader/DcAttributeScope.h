#pragma once
#include <windows.h>

// Sets a device context's font (when given), text colour, background colour and background mode,
// and puts back what they replaced when the scope ends.
class DcAttributeScope {
 public:
  DcAttributeScope(HDC dc, HFONT font, COLORREF textColor, COLORREF backColor, int backMode);
  ~DcAttributeScope();
  DcAttributeScope(const DcAttributeScope&) = delete;
  DcAttributeScope& operator=(const DcAttributeScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ oldFont_ = nullptr;
  COLORREF oldTextColor_;
  COLORREF oldBackColor_;
  int oldBackMode_;
};
