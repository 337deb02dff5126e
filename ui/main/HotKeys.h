#pragma once
// The key that shows the time now, anywhere in Windows, through a seam for RegisterHotKey.
#include <windows.h>

#include "settings/FaderSettings.h"

using RegisterHotKeyFunction = BOOL(WINAPI*)(HWND window, int id, UINT modifiers, UINT key);
// RegisterHotKey unless a test installed another (null puts it back); returns the one in place.
RegisterHotKeyFunction SetRegisterHotKeyFunction(RegisterHotKeyFunction function);

// The id WM_HOTKEY brings for the key.
constexpr int kShowKeyId = 1;

// Gives the window `key` in place of the one it had; no key only lets the old one go. False when
// another program holds the key or Windows keeps it for itself: the window then has none.
bool TakeShowKey(HWND window, const HotKey& key);
