#pragma once
#include <windows.h>

// Centres a top-level dialog on a visible, not minimised reference window (its owner when none is
// given), else on the primary work area, and keeps it inside that work area.
bool CenterDialog(HWND dialog, HWND reference);
