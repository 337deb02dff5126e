#pragma once
// The tray menu has to make the main window the foreground window (otherwise the menu does not
// close when the user clicks elsewhere), and a closed dialog activates its owner; both times the
// main window may be the visible Fader. These put the keyboard back where the user had it.
#include <windows.h>

// The main window and every window it owns: the dialogs, the colour picker, their tooltips.
bool IsOurs(HWND window, HWND main);

// The shell's desktop: it covers every monitor but is no full-screen program.
bool IsDesktop(HWND window);

// The window the user works in: the foreground window or, when a click on the taskbar made the
// shell the foreground, the first window beneath it. While `main` or one of its dialogs holds the
// foreground, the one found last, if it still is a window.
HWND WindowUserWorksIn(HWND main);

// If `main` or one of its dialogs holds the foreground, hands it back to `previous`.
void ReturnForeground(HWND main, HWND previous);
