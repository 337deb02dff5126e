#pragma once
// The time as the Fader shows it, also where the program names a time elsewhere.
#include <string>

std::wstring ClockText(unsigned hour, unsigned minute);
