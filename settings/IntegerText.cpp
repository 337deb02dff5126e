#include "settings/IntegerText.h"

#include <climits>
#include <cwctype>

std::optional<int> ParseLeadingInt(const std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  const size_t digits = i;
  long long value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    if (value <= INT_MAX) value = value * 10 + (text[i] - L'0');
  }
  if (i == digits) return std::nullopt;
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return int(value);
}
