#pragma once
// The time text the Fader shows, in the clock style the user chose.
#include <windows.h>

#include <string>

#include "settings/FaderSettings.h"
#include "ui/fader/ClockLayout.h"

using TimeFormatFunction = int(WINAPI*)(LPCWSTR locale, DWORD flags, const SYSTEMTIME* time,
                                        LPCWSTR format, LPWSTR text, int size);
// GetTimeFormatEx unless a test installed another; returns the one in place.
TimeFormatFunction SetTimeFormatFunction(TimeFormatFunction function);

// "14:30", or the time as Windows shows it to this user in the short time format ("2:30 PM"), asked
// afresh each time so that a change of the regional settings shows at the next paint. Where
// Windows gives no text, the 24-hour one.
std::wstring FormatClock(ClockStyle style, const SYSTEMTIME& time);

// The user's own AM and PM designators, as the time format writes them.
Designators UserDesignators();

// The day of the week of a date in the user's language ("Monday").
std::wstring DayName(const SYSTEMTIME& date);
