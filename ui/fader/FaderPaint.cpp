// Draws the Fader: the overlay colour with the local time centred on it.
#include "settings/FaderSettings.h"
#include "ui/Dpi.h"
#include "ui/fader/ClockText.h"
#include "ui/fader/DcAttributeScope.h"
#include "ui/fader/LocalTime.h"
#include "ui/fader/TimeFont.h"
#include "ui/main/MainWindow.h"

void MainWindow::PaintFader(HDC dc) {
  const FaderSettings& settings = FaderSettings::Instance();
  RECT client{};
  GetClientRect(hwnd(), &client);
  // An opaque empty text output fills the rectangle without creating a brush.
  const COLORREF previous = SetBkColor(dc, settings.overlayColor.ToColorRef());
  if (previous != CLR_INVALID) {
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &client, L"", 0, nullptr);
    SetBkColor(dc, previous);
  }
  const HFONT font = GetTimeFont(settings.textSize, WindowDpi(hwnd()));
  const DcAttributeScope scope(dc, font, settings.textColor.ToColorRef(), RGB(255, 255, 255),
                               TRANSPARENT);
  const LocalTime now;
  paintedMinuteOfDay_ = now.MinuteOfDay();
  const std::wstring text = ClockText(now.Hour(), now.Minute());
  DrawTextW(dc, text.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
