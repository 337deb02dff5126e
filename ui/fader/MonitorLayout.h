#pragma once
// Which monitors the Fader covers.
#include <vector>

#include "settings/FaderSettings.h"
#include "ui/fader/Geometry.h"

struct MonitorArea {
  Rect monitor;  // the whole monitor
  Rect work;     // without the taskbar and other docked bars
  bool primary = false;
  bool covered = false;  // a visible window of another program covers the whole monitor
};

// The monitors to cover, the main window's first: the primary one; every one, the primary first
// and without the covered ones when `skipCovered`; or the one under the pointer (the nearest
// when the pointer lies on none). Empty when there is nothing to cover.
std::vector<MonitorArea> MonitorsToCover(FaderMonitors choice, const std::vector<MonitorArea>& monitors,
                                         Point pointer, bool skipCovered);
