#pragma once
// Rectangle arithmetic of the overlay, the tray menu and dialog placement, in screen pixels.

struct Rect {
  long left = 0, top = 0, right = 0, bottom = 0;
  long Width() const { return right - left; }
  long Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  friend bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
  }
  friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

struct Point {
  long x = 0, y = 0;
};

// The smallest rectangle holding both; an empty rectangle contributes nothing, two give empty.
Rect Union(const Rect& a, const Rect& b);

// A window counts as full-screen when it contains its whole monitor (it may reach beyond it).
bool CoversMonitor(const Rect& window, const Rect& monitor);

// Moves x into [work.left, work.right] when the point lies on no monitor.
long ClampToWorkAreaX(long x, const Rect& work);

// Where a dialog of the given size goes: centred on the reference, then kept in the work area,
// with the left and top edges winning over the right and bottom ones.
Point CenteredPosition(const Rect& reference, const Rect& work, long width, long height);

// A positive length given at 96 DPI (the text size setting) in pixels at `dpi`, rounded to the nearest.
long ScaleForDpi(long length, unsigned dpi);
