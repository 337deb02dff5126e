#include "ui/fader/ClockFormat.h"

#include "ui/fader/ClockText.h"

namespace {

TimeFormatFunction& TimeFormat() {
  static TimeFormatFunction function = GetTimeFormatEx;
  return function;
}

}  // namespace

TimeFormatFunction SetTimeFormatFunction(TimeFormatFunction function) {
  const TimeFormatFunction previous = TimeFormat();
  TimeFormat() = function;
  return previous;
}

std::wstring FormatClock(ClockStyle style, const SYSTEMTIME& time) {
  if (style == ClockStyle::Windows) {
    // The short time, as the taskbar shows it: without a picture the call takes the long one,
    // which the user may have set apart ("h:mm:ss tt" beside a short "HH:mm").
    wchar_t picture[80], text[64];
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SSHORTTIME, picture, 80) > 1 &&
        TimeFormat()(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &time, picture, text, 64) > 1) {
      return text;
    }
  }
  return ClockText(time.wHour, time.wMinute);
}

Designators UserDesignators() {
  wchar_t am[32] = {}, pm[32] = {};
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_S1159, am, 32);
  GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_S2359, pm, 32);
  return {am, pm};
}

std::wstring DayName(const SYSTEMTIME& date) {
  wchar_t name[64] = {};
  GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &date, L"dddd", name, 64, nullptr);
  return name;
}
