// Draws the Fader: the overlay colour with the local time centred on it.
#include "ui/fader/FaderPaint.h"

#include <string>

#include "settings/FaderSettings.h"
#include "ui/Dpi.h"
#include "ui/WinRect.h"
#include "ui/fader/ClockFormat.h"
#include "ui/fader/ClockLayout.h"
#include "ui/fader/DcAttributeScope.h"
#include "ui/fader/LocalTime.h"
#include "ui/fader/TimeFont.h"
#include "ui/main/MainWindow.h"

namespace {

TextBox Measure(HDC dc, HFONT font, const std::wstring& text) {
  if (text.empty()) return {};
  const SelectionScope selected(dc, font);
  SIZE size{};
  TEXTMETRICW metrics{};
  GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
  GetTextMetricsW(dc, &metrics);
  return {size.cx, metrics.tmHeight, metrics.tmAscent};
}

// The user's own format: the designator smaller beside the digits, and the whole made smaller
// where it would not fit the work area. Glyphs do not scale exactly in proportion, so the fit is
// measured again at the new size.
void DrawFittedClock(HDC dc, const RECT& client, const std::wstring& text, long height, COLORREF color) {
  const ClockParts parts = SplitClockText(text, UserDesignators());
  for (int attempt = 0;; ++attempt) {
    const FontHandle digitsFont = CreateTimeFont(int(height));
    const FontHandle designatorFont = CreateTimeFont(int(DesignatorHeight(height)));
    const TextBox digits = Measure(dc, digitsFont.Get(), parts.digits);
    const TextBox designator = Measure(dc, designatorFont.Get(), parts.designator);
    const long gap = designator.height / 4;
    const long fitted = FittedHeight(height, ClockWidth(digits, designator, gap), digits.height, ToRect(client));
    if (fitted < height && attempt < 4) {
      height = fitted;
      continue;
    }
    const ClockPlacement at = PlaceClock(ToRect(client), digits, designator, gap, parts.designatorFirst);
    const DcAttributeScope scope(dc, digitsFont.Get(), color, RGB(255, 255, 255), TRANSPARENT);
    TextOutW(dc, int(at.digits.x), int(at.digits.y), parts.digits.c_str(), int(parts.digits.size()));
    const SelectionScope selected(dc, designatorFont.Get());
    TextOutW(dc, int(at.designator.x), int(at.designator.y), parts.designator.c_str(),
             int(parts.designator.size()));
    return;
  }
}

void SetTextOf(HWND window, const std::wstring& text) {
  wchar_t current[64] = {};
  GetWindowTextW(window, current, 64);
  if (text != current) SetWindowTextW(window, text.c_str());
}

}  // namespace

int PaintOverlay(HWND window, HDC dc) {
  const FaderSettings& settings = FaderSettings::Instance();
  RECT client{};
  GetClientRect(window, &client);
  // An opaque empty text output fills the rectangle without creating a brush.
  const COLORREF previous = SetBkColor(dc, settings.overlayColor.ToColorRef());
  if (previous != CLR_INVALID) {
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    SetBkColor(dc, previous);
  }
  const LocalTime now;
  const std::wstring text = FormatClock(settings.clock, now.Time());
  SetTextOf(window, text);
  const UINT dpi = WindowDpi(window);
  if (settings.clock == ClockStyle::Windows) {
    DrawFittedClock(dc, client, text, ScaleForDpi(kTextSizeBounds.Clamp(settings.textSize), dpi),
                    settings.textColor.ToColorRef());
  } else {
    // "14:30" as it always was: centred, and clipped by the window where it is larger.
    const DcAttributeScope scope(dc, GetTimeFont(settings.textSize, dpi), settings.textColor.ToColorRef(),
                                 RGB(255, 255, 255), TRANSPARENT);
    DrawTextW(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  return now.MinuteOfDay();
}

void MainWindow::PaintFader(HDC dc) { paintedMinuteOfDay_ = PaintOverlay(hwnd(), dc); }
