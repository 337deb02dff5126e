#pragma once
// A key as the user's keyboard names it: "Ctrl+Alt+T", "Ctrl+Shift+F9".
#include <string>

#include "settings/FaderSettings.h"

std::wstring HotKeyName(const HotKey& key);
