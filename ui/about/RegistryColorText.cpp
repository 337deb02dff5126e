#include "ui/about/RegistryColorText.h"

namespace {

// The low 8 bits of a non-negative decimal number with optional blanks around it.
std::optional<uint32_t> Component(const std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  if (i < text.size() && text[i] == L'+') ++i;
  const size_t digits = i;
  uint32_t value = 0;
  for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
    value = (value * 10 + uint32_t(text[i] - L'0')) & 0xFF;
  }
  if (i == digits) return std::nullopt;
  while (i < text.size() && text[i] == L' ') ++i;
  if (i != text.size()) return std::nullopt;
  return value;
}

}  // namespace

std::optional<uint32_t> ParseRegistryColor(const std::wstring& text) {
  const size_t first = text.find(L',');
  if (first == std::wstring::npos) return std::nullopt;
  const size_t second = text.find(L',', first + 1);
  if (second == std::wstring::npos || second + 1 == text.size()) return std::nullopt;
  const auto red = Component(text.substr(0, first));
  const auto green = Component(text.substr(first + 1, second - first - 1));
  const auto blue = Component(text.substr(second + 1));
  if (!red || !green || !blue) return std::nullopt;
  return *red | *green << 8 | *blue << 16;
}
