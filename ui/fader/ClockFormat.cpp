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
    wchar_t text[64];
    if (TimeFormat()(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, 64) > 1) return text;
  }
  return ClockText(time.wHour, time.wMinute);
}
