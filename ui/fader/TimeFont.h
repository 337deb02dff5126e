#pragma once
#include <windows.h>

// The bold Arial of the time text for a size in pixels at 96 DPI (clamped to 10..900), made as
// tall as that size looks at `dpi`. One font is cached for the whole process and replaced when
// its height changes; callers never delete it.
HFONT GetTimeFont(int textSize, UINT dpi = USER_DEFAULT_SCREEN_DPI);

// Smoothing is asked for only where the platform offers it (NT 5.1 and later).
bool IsWindowsXpOrLater();
