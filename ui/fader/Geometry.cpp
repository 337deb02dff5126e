#include "ui/fader/Geometry.h"

#include <algorithm>

Rect Union(const Rect& a, const Rect& b) {
  if (a.IsEmpty()) return b.IsEmpty() ? Rect{} : b;
  if (b.IsEmpty()) return a;
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
          std::max(a.bottom, b.bottom)};
}

bool CoversMonitor(const Rect& window, const Rect& monitor) {
  return Union(monitor, window) == window;
}

long ClampToWorkAreaX(long x, const Rect& work) {
  if (x < work.left) return work.left;
  if (x > work.right) return work.right;
  return x;
}

namespace {

long Place(long centre, long size, long low, long high) {
  long position = centre - size / 2;
  if (position < low) {
    position = low;
  } else if (position + size > high) {
    position = high - size;
    if (position < low) position = low;  // wider than the work area: the left edge wins
  }
  return position;
}

}  // namespace

Point CenteredPosition(const Rect& reference, const Rect& work, long width, long height) {
  return {Place((reference.left + reference.right) / 2, width, work.left, work.right),
          Place((reference.top + reference.bottom) / 2, height, work.top, work.bottom)};
}

long ScaleForDpi(long length, unsigned dpi) {
  return static_cast<long>((static_cast<long long>(length) * dpi + 48) / 96);
}
