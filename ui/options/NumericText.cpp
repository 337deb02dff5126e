#include "ui/options/NumericText.h"

#include <climits>

#include "settings/IntegerText.h"

namespace {

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

bool IsAcceptableText(const std::wstring& text) {
  for (wchar_t c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

int ParseFieldValue(const std::wstring& text) { return ParseLeadingInt(text).value_or(0); }

std::wstring SpliceText(const std::wstring& text, size_t start, size_t end,
                        const std::wstring& insert) {
  start = start < text.size() ? start : text.size();
  end = end < start ? start : end < text.size() ? end : text.size();
  return text.substr(0, start) + insert + text.substr(end);
}

int ClampFieldValue(int value, NumericRange range) {
  if (value > range.maxValue) value = range.maxValue;
  if (value < range.minValue) value = range.minValue;
  return value;
}

std::optional<int> StepUpValue(int value, NumericRange range) {
  const int next = value == INT_MAX ? range.maxValue : value + 1 > range.maxValue ? range.maxValue
                                                                                 : value + 1;
  if (next == value) return std::nullopt;
  return ClampFieldValue(next, range);
}

std::optional<int> StepDownValue(int value, NumericRange range) {
  const int next = value == INT_MIN ? range.minValue : value - 1 < range.minValue ? range.minValue
                                                                                 : value - 1;
  if (next == value) return std::nullopt;
  return ClampFieldValue(next, range);
}

std::optional<int> CorrectedFieldValue(const std::wstring& text, NumericRange range,
                                       int defaultValue) {
  if (text.empty()) return defaultValue;
  const int value = ParseFieldValue(text);
  // What the field shows is what OK stores: text that holds anything but digits is rewritten.
  if (!IsAcceptableText(text)) return ClampFieldValue(value, range);
  if (value < range.minValue) return range.minValue;
  if (value > range.maxValue) return range.maxValue;
  return std::nullopt;
}
