#pragma once
// Whether a show is refused because someone may be watching the screen.

// What the shell reports of the user's screen: the values of QUERY_USER_NOTIFICATION_STATE
// that mean an audience. 0 stands for a query that failed.
constexpr int kShellRunningD3dFullScreen = 3;
constexpr int kShellPresentationMode = 4;

// Only with blocking on: a full-screen program in the foreground, or the shell reporting a
// presentation or a Direct3D full-screen program. "Busy" is not enough: it gives false alarms.
bool ShowBlocked(bool autoBlock, bool fullScreenForeground, int shellState);
