#pragma once
// What every window of the Fader draws: the overlay colour with the local time on it.
#include <windows.h>

// Draws into `dc` for `window`, at the window's DPI, and returns the minute of the day shown. The
// window's text becomes the time text, so that it can be read without a look at the pixels.
int PaintOverlay(HWND window, HDC dc);
