#pragma once
// The time as the Fader shows it, also where the program names a time elsewhere.
#include <string>

std::wstring ClockText(unsigned hour, unsigned minute);

// The tray tooltip while automatic fading is paused.
std::wstring PausedTooltip(const std::wstring& endTime);
