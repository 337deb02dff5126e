#pragma once
#include <windows.h>

// The module whose resources (icons, menu, dialogs, cursor) every load uses.
HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);
