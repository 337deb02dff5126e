#pragma once
// The plain word a screen reader says for a swatch's colour: one of a dozen, by hue and lightness.
#include "settings/ArgbColor.h"

enum class ColorWord { Black, White, Gray, Red, Orange, Brown, Yellow, Green, Cyan, Blue, Purple, Pink };

ColorWord NameColor(ArgbColor color);
