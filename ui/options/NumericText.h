#pragma once
// The text rules of a numeric entry field: digits only, read with saturation, stepped by one.
#include <optional>
#include <string>

struct NumericRange {
  int minValue;
  int maxValue;
};

// Empty, or decimal digits only (no sign, no blanks).
bool IsAcceptableText(const std::wstring& text);

// White space, an optional sign, then digits up to the first other character; no digits gives 0.
// A number too large for 32 bits gives the nearest 32-bit value, as the settings loader reads it.
int ParseFieldValue(const std::wstring& text);

// The text after replacing the selection [start, end) by `insert`.
std::wstring SpliceText(const std::wstring& text, size_t start, size_t end,
                        const std::wstring& insert);

// First to the maximum, then to the minimum.
int ClampFieldValue(int value, NumericRange range);

// The value one step up or down, or nothing when the step would leave the value as it is.
std::optional<int> StepUpValue(int value, NumericRange range);
std::optional<int> StepDownValue(int value, NumericRange range);

// The correction on focus loss: an empty field takes the default, an out-of-range value the
// nearer bound, text with anything but digits the number it reads as; nothing for text that
// stays as typed.
std::optional<int> CorrectedFieldValue(const std::wstring& text, NumericRange range,
                                       int defaultValue);
