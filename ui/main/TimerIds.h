#pragma once
#include <windows.h>

// Timer ids come from one process-wide counter starting at 500600, taken in construction order.
UINT TakeTimerId();
