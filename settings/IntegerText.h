#pragma once
#include <optional>
#include <string>

// Reads a leading signed decimal number: white space skipped, an optional sign, the digits, and
// whatever follows ignored ("15min" is 15). No digits means not usable. Saturates at the int range.
std::optional<int> ParseLeadingInt(const std::wstring& text);
