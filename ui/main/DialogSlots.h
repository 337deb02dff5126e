#pragma once
#include <windows.h>

// The open Options and About dialogs announce themselves here, so that a second command brings
// the open one forward instead of opening another. Null while closed.
extern HWND optionsDialogWindow;
extern HWND aboutDialogWindow;
