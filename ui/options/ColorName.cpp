#include "ui/options/ColorName.h"

#include <algorithm>

ColorWord NameColor(ArgbColor color) {
  const int red = color.Red(), green = color.Green(), blue = color.Blue();
  const int high = std::max({red, green, blue}), low = std::min({red, green, blue});
  const int chroma = high - low;
  if (chroma < 40) return high < 60 ? ColorWord::Black : low > 210 ? ColorWord::White : ColorWord::Gray;
  if (high < 40) return ColorWord::Black;
  // The hue in degrees, 0 red, 120 green, 240 blue.
  int hue = high == red     ? 60 * (green - blue) / chroma
            : high == green ? 120 + 60 * (blue - red) / chroma
                            : 240 + 60 * (red - green) / chroma;
  if (hue < 0) hue += 360;
  if (hue < 15 || hue >= 345) return ColorWord::Red;
  if (hue < 45) return high < 170 ? ColorWord::Brown : ColorWord::Orange;
  if (hue < 70) return ColorWord::Yellow;
  if (hue < 165) return ColorWord::Green;
  if (hue < 195) return ColorWord::Cyan;
  if (hue < 255) return ColorWord::Blue;
  if (hue < 320) return ColorWord::Purple;
  return ColorWord::Pink;
}
