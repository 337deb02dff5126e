#pragma once
// The monitors as the platform lays them out, through a seam that tests replace.
#include <windows.h>

#include <vector>

#include "ui/fader/MonitorLayout.h"

using MonitorQuery = std::vector<MonitorArea> (*)();
// EnumDisplayMonitors unless a test installed another query; returns the one in place.
MonitorQuery SetMonitorQuery(MonitorQuery query);
std::vector<MonitorArea> QueryMonitors();

// Marks each monitor that a visible window of another program covers whole: a video playing
// full screen there while the user works elsewhere. The shell's desktop and click-through
// windows do not count.
void MarkCoveredMonitors(std::vector<MonitorArea>& monitors, HWND main);
