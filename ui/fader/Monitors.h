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
// full screen there while the user works elsewhere. The shell's desktop, click-through windows
// and cloaked ones (on another virtual desktop, or the shell's hidden Start and Search windows,
// which are "visible" and as large as their monitor) do not count.
using WindowAttributeQuery = HRESULT(WINAPI*)(HWND window, DWORD attribute, void* value, DWORD size);
// DwmGetWindowAttribute (from the system's dwmapi.dll) unless a test installed another; returns
// the one in place (null for DwmGetWindowAttribute).
WindowAttributeQuery SetWindowAttributeQuery(WindowAttributeQuery query);

void MarkCoveredMonitors(std::vector<MonitorArea>& monitors, HWND main);

// Whether a window with that rectangle fills the monitor as a full-screen program does: it
// covers the whole monitor and is no maximized window with a caption. Windows 10 and 11 grow a
// maximized window past its work area by the resizing frame, so one covers a monitor whose work
// area is all of it (an auto-hiding taskbar, a second monitor without one), yet its user sees its
// title bar and works in it.
bool FillsMonitor(HWND window, const RECT& rect, const Rect& monitor);
