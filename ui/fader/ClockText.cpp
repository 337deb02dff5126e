#include "ui/fader/ClockText.h"

#include <cwchar>

std::wstring ClockText(unsigned hour, unsigned minute) {
  wchar_t text[16];
  std::swprintf(text, 16, L"%02u:%02u", hour, minute);
  return text;
}

std::wstring PausedTooltip(const std::wstring& endTime) {
  return L"Dusklamp - paused until " + endTime;
}

std::wstring ResumeTooltip(const std::wstring& day, const std::wstring& time) {
  return L"Dusklamp - fades again " + day + L" " + time;
}
