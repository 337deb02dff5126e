#include "settings/ColorText.h"

#include <cwchar>

namespace {

int HexValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  return -1;
}

}  // namespace

std::wstring FormatColorText(ArgbColor color) {
  wchar_t text[8];
  std::swprintf(text, 8, L"#%02X%02X%02X", unsigned{color.Red()}, unsigned{color.Green()},
                unsigned{color.Blue()});
  return text;
}

ArgbColor ParseColorText(const std::wstring& text) {
  const ArgbColor black = ArgbColor::FromRgb(0, 0, 0);
  if (text.size() != 6 && text.size() != 7) return black;
  size_t start = 0;
  if (text.size() == 7) {
    if (text[0] != L'#') return black;
    start = 1;
  }
  uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexValue(text[start + 2 * i]);
    const int low = HexValue(text[start + 2 * i + 1]);
    if (high < 0 || low < 0) return black;
    bytes[i] = uint8_t(high * 16 + low);
  }
  return ArgbColor::FromRgb(bytes[0], bytes[1], bytes[2]);
}
