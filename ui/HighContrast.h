#pragma once
// Whether the user switched high contrast on: the program's own drawing then keeps to the
// system's colours.
#include <windows.h>

bool HighContrastOn();

// The system's answer unless a test installed another (null puts it back); returns the one in place.
using HighContrastQuery = bool (*)();
HighContrastQuery SetHighContrastQuery(HighContrastQuery query);
