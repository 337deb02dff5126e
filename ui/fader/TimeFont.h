#pragma once
#include <windows.h>

// The bold Arial of the time text for a size in pixels (clamped to 10..900). One font is cached
// for the whole process and replaced when the size changes; callers never delete it.
HFONT GetTimeFont(int textSize);

// Smoothing is asked for only where the platform offers it (NT 5.1 and later).
bool IsWindowsXpOrLater();
