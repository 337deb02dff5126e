#pragma once
// The platform's rectangles in the window-free geometry's terms.
#include <windows.h>

#include "ui/fader/Geometry.h"

inline Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
