#pragma once
// The scale the platform draws a window at. The program declares itself per-monitor aware, so
// every coordinate it meets is a physical pixel; sizes given at 96 DPI are scaled here.
#include <windows.h>

// Dots per inch of the monitor the window is on; the system's DPI where the platform cannot say
// per monitor (before Windows 10 1607).
UINT WindowDpi(HWND window);

// GetSystemMetrics at that DPI, where the platform offers it.
int SystemMetricForDpi(int index, UINT dpi);
