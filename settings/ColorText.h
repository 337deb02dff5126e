#pragma once
// The text form of colours in the settings file: "#RRGGBB".
#include <string>

#include "settings/ArgbColor.h"

std::wstring FormatColorText(ArgbColor color);

// "#RRGGBB" or "RRGGBB", hex digits of either case; anything else gives opaque black.
ArgbColor ParseColorText(const std::wstring& text);
