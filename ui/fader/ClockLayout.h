#pragma once
// How a time in the user's own format is laid out in huge digits: the digits at the text size,
// an AM/PM designator smaller beside them on the same baseline, the whole fitted to the work area.
#include <string>

#include "ui/fader/Geometry.h"

struct ClockParts {
  std::wstring digits;      // from the first digit to the last: "2:30"
  std::wstring designator;  // what stands before or after them: "PM"; empty for "14:30"
  bool designatorFirst = false;
};
// The locale's names for the morning and the afternoon.
struct Designators {
  std::wstring am, pm;
};
// Splits off the text before or after the digits where it is one of the designators. Where the
// split is unsure, the whole text is the digits: text on both sides, or of another kind (the
// hour and minute marks of a Japanese picture), or right-to-left, whose order on screen only the
// platform's layout of the whole string knows.
ClockParts SplitClockText(const std::wstring& text, const Designators& designators);

// The designator's cell height beside digits of `digitsHeight`.
long DesignatorHeight(long digitsHeight);

// The height, at most `height`, at which a text that measured `width` by `textHeight` at
// `height` fits the area; text sizes scale in proportion.
long FittedHeight(long height, long width, long textHeight, const Rect& area);

// Where digits and designator go: side by side with `gap` between, centred on the area as a
// whole, the designator on the digits' baseline. Sizes are the measured text extents.
struct ClockPlacement {
  Point digits;
  Point designator;
};
struct TextBox {
  long width = 0;
  long height = 0;
  long ascent = 0;
};
ClockPlacement PlaceClock(const Rect& area, const TextBox& digits, const TextBox& designator, long gap,
                          bool designatorFirst);
// The width of both together.
long ClockWidth(const TextBox& digits, const TextBox& designator, long gap);
