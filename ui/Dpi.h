#pragma once
// The scale the platform draws a window at. The program declares itself per-monitor aware, so
// every coordinate it meets is a physical pixel; sizes given at 96 DPI are scaled here.
#include <windows.h>

// Dots per inch of the monitor the window is on; the system's DPI where the platform cannot say
// per monitor (before Windows 10 1607).
UINT WindowDpi(HWND window);

// The notification area's: the taskbar's that holds it, on the primary monitor, whatever monitor
// the program's own windows are on.
UINT TaskbarDpi();

// GetDpiForWindow unless a test installed another (null puts it back); returns the one in place.
using WindowDpiQuery = UINT(WINAPI*)(HWND window);
WindowDpiQuery SetWindowDpiQuery(WindowDpiQuery query);

// GetSystemMetrics at that DPI, where the platform offers it.
int SystemMetricForDpi(int index, UINT dpi);
