#include "ui/fader/MonitorLayout.h"

#include <algorithm>

namespace {

// Squared distance from the point to the rectangle; 0 inside it (right and bottom edges excluded).
long long DistanceSquared(const Rect& rect, Point point) {
  const long long dx = point.x < rect.left ? rect.left - point.x : point.x >= rect.right ? point.x - rect.right + 1 : 0;
  const long long dy = point.y < rect.top ? rect.top - point.y : point.y >= rect.bottom ? point.y - rect.bottom + 1 : 0;
  return dx * dx + dy * dy;
}

}  // namespace

std::vector<MonitorArea> MonitorsToCover(FaderMonitors choice, const std::vector<MonitorArea>& monitors,
                                         Point pointer, bool skipCovered) {
  if (monitors.empty()) return {};
  // The platform lists the primary monitor first, but nothing promises it.
  std::vector<MonitorArea> ordered(monitors);
  std::stable_partition(ordered.begin(), ordered.end(), [](const MonitorArea& m) { return m.primary; });
  if (choice == FaderMonitors::Pointer) {
    return {*std::min_element(ordered.begin(), ordered.end(), [&](const MonitorArea& a, const MonitorArea& b) {
      return DistanceSquared(a.monitor, pointer) < DistanceSquared(b.monitor, pointer);
    })};
  }
  if (choice != FaderMonitors::All) return {ordered.front()};  // the primary, also for a value of no choice
  if (skipCovered) {
    ordered.erase(std::remove_if(ordered.begin(), ordered.end(), [](const MonitorArea& m) { return m.covered; }),
                  ordered.end());
  }
  return ordered;
}
