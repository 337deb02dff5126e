#pragma once
// Others watching the screen: what the shell reports of a presentation or a full-screen game, and
// leaving the Fader out of screen sharing and recordings. The platform calls go through seams
// that tests replace.
#include <windows.h>
#include <shellapi.h>

using ShellStateQuery = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE* state);
// SHQueryUserNotificationState unless a test installed another; returns the one in place.
ShellStateQuery SetShellStateQuery(ShellStateQuery query);
// The shell's answer, or 0 when it gave none.
int QueryShellState();

using DisplayAffinityFunction = BOOL(WINAPI*)(HWND window, DWORD affinity);
// SetWindowDisplayAffinity unless a test installed another; returns the one in place.
DisplayAffinityFunction SetDisplayAffinityFunction(DisplayAffinityFunction function);
using WindowsVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW* version);
// RtlGetVersion, which tells the version Windows really is whatever the manifest says, unless a
// test installed another; returns the one in place (null for RtlGetVersion).
WindowsVersionFunction SetWindowsVersionFunction(WindowsVersionFunction function);

// Leaves `window` out of screen capture, or lets it be captured again; false where this Windows
// cannot do it (nothing is asked of it then) or refused.
bool ExcludeFromCapture(HWND window, bool exclude);
