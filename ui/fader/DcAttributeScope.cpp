#include "ui/fader/DcAttributeScope.h"

DcAttributeScope::DcAttributeScope(HDC dc, HFONT font, COLORREF textColor, COLORREF backColor,
                                   int backMode)
    : dc_(dc),
      oldFont_(font ? SelectObject(dc, font) : nullptr),
      oldTextColor_(SetTextColor(dc, textColor)),
      oldBackColor_(SetBkColor(dc, backColor)),
      oldBackMode_(SetBkMode(dc, backMode)) {}

DcAttributeScope::~DcAttributeScope() {
  if (oldFont_) SelectObject(dc_, oldFont_);
  SetTextColor(dc_, oldTextColor_);
  SetBkColor(dc_, oldBackColor_);
  SetBkMode(dc_, oldBackMode_);
}
