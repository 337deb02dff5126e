#pragma once
// The time as the Fader shows it, also where the program names a time elsewhere.
#include <string>

std::wstring ClockText(unsigned hour, unsigned minute);

// The tray tooltip while automatic fading is paused.
std::wstring PausedTooltip(const std::wstring& endTime);

// The tray tooltip outside the working hours: when automatic fades come again ("Monday", "09:00").
std::wstring ResumeTooltip(const std::wstring& day, const std::wstring& time);
