#pragma once
#include <windows.h>

#include "ui/Handles.h"

// The bold Arial of the time text for a size in pixels at 96 DPI (clamped to 10..900), made as
// tall as that size looks at `dpi`. One font is cached for the whole process and replaced when
// its height changes; callers never delete it.
HFONT GetTimeFont(int textSize, UINT dpi = USER_DEFAULT_SCREEN_DPI);

// A new bold Arial with a cell `pixelHeight` tall, owned by the caller.
FontHandle CreateTimeFont(int pixelHeight);

// Smoothing is asked for only where the platform offers it (NT 5.1 and later).
bool IsWindowsXpOrLater();
