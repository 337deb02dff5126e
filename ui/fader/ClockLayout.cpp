#include "ui/fader/ClockLayout.h"

#include <algorithm>

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Spaces and the direction marks some formats put around the designator.
bool IsSpacing(wchar_t c) {
  return c == L' ' || c == 0x00A0 || c == 0x202F || c == 0x200E || c == 0x200F;
}

// Hebrew, Arabic and the scripts and marks that run with them.
bool IsRightToLeft(wchar_t c) {
  return (c >= 0x0590 && c <= 0x08FF) || c == 0x200F || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}

std::wstring Trimmed(const std::wstring& text) {
  size_t first = 0, last = text.size();
  while (first < last && IsSpacing(text[first])) ++first;
  while (last > first && IsSpacing(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

ClockParts SplitClockText(const std::wstring& text, const Designators& designators) {
  const ClockParts whole{Trimmed(text), L"", false};
  if (std::any_of(text.begin(), text.end(), IsRightToLeft)) return whole;
  const auto first = std::find_if(text.begin(), text.end(), IsDigit);
  if (first == text.end()) return whole;
  const auto last = std::find_if(text.rbegin(), text.rend(), IsDigit).base();
  const std::wstring before = Trimmed(std::wstring(text.begin(), first));
  const std::wstring after = Trimmed(std::wstring(last, text.end()));
  if (!before.empty() && !after.empty()) return whole;
  const std::wstring& designator = before.empty() ? after : before;
  if (designator.empty()) return {std::wstring(first, last), L"", false};
  if (designator != designators.am && designator != designators.pm) return whole;
  return {std::wstring(first, last), designator, !before.empty()};
}

long DesignatorHeight(long digitsHeight) { return std::max(1L, digitsHeight * 2 / 5); }

long FittedHeight(long height, long width, long textHeight, const Rect& area) {
  if (area.IsEmpty() || (width <= area.Width() && textHeight <= area.Height())) return height;
  long long fitted = height;
  if (width > area.Width()) fitted = std::min(fitted, static_cast<long long>(height) * area.Width() / width);
  if (textHeight > area.Height()) {
    fitted = std::min(fitted, static_cast<long long>(height) * area.Height() / textHeight);
  }
  return std::max(1L, static_cast<long>(fitted));
}

long ClockWidth(const TextBox& digits, const TextBox& designator, long gap) {
  return digits.width + (designator.width > 0 ? gap + designator.width : 0);
}

ClockPlacement PlaceClock(const Rect& area, const TextBox& digits, const TextBox& designator, long gap,
                          bool designatorFirst) {
  const long left = area.left + (area.Width() - ClockWidth(digits, designator, gap)) / 2;
  const long top = area.top + (area.Height() - digits.height) / 2;
  const Point designatorAt{designatorFirst ? left : left + digits.width + gap,
                           top + digits.ascent - designator.ascent};
  const Point digitsAt{designatorFirst && designator.width > 0 ? left + designator.width + gap : left, top};
  return {digitsAt, designatorAt};
}
