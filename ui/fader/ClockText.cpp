#include "ui/fader/ClockText.h"

#include <cwchar>

std::wstring ClockText(unsigned hour, unsigned minute) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%02u:%02u", hour, minute);
  return text;
}
