#include "settings/TimeText.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

constexpr uint64_t kTicksPerSecond = 10000000;
constexpr int64_t kDaysFrom1601To1970 = 134774;

const wchar_t* const kDayWords[] = {L"sun", L"mon", L"tue", L"wed", L"thu", L"fri", L"sat"};

std::vector<std::wstring> Split(const std::wstring& text, wchar_t separator) {
  std::vector<std::wstring> parts(1);
  for (wchar_t c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back() += wchar_t(std::towlower(c));
    }
  }
  return parts;
}

// Exactly `count` digits at `at`.
std::optional<int> Digits(const std::wstring& text, size_t at, size_t count) {
  if (at + count > text.size()) return std::nullopt;
  int value = 0;
  for (size_t i = at; i < at + count; ++i) {
    if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
    value = value * 10 + (text[i] - L'0');
  }
  return value;
}

// Days since 1 January 1970 of a date of the proleptic Gregorian calendar, and back.
int64_t DaysFromCivil(int64_t year, unsigned month, unsigned day) {
  year -= month <= 2;
  const int64_t era = (year >= 0 ? year : year - 399) / 400;
  const unsigned yearOfEra = unsigned(year - era * 400);
  const unsigned dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + int64_t(dayOfEra) - 719468;
}

void CivilFromDays(int64_t days, int64_t& year, unsigned& month, unsigned& day) {
  days += 719468;
  const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const unsigned dayOfEra = unsigned(days - era * 146097);
  const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const unsigned shifted = (5 * dayOfYear + 2) / 153;
  day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  month = shifted < 10 ? shifted + 3 : shifted - 9;
  year = int64_t(yearOfEra) + era * 400 + (month <= 2);
}

struct KeyName {
  unsigned key;
  const wchar_t* name;
};
const KeyName kKeyNames[] = {{0x20, L"space"}, {0x21, L"pageup"}, {0x22, L"pagedown"}, {0x23, L"end"},
                             {0x24, L"home"},  {0x25, L"left"},   {0x26, L"up"},       {0x27, L"right"},
                             {0x28, L"down"},  {0x2D, L"insert"}, {0x2E, L"delete"}};
const KeyName kModifierNames[] = {{2, L"ctrl"}, {1, L"alt"}, {4, L"shift"}};

std::wstring KeyWord(unsigned key) {
  if ((key >= L'A' && key <= L'Z') || (key >= L'0' && key <= L'9')) return std::wstring(1, wchar_t(std::towlower(wchar_t(key))));
  if (key >= 0x70 && key <= 0x87) return L"f" + std::to_wstring(key - 0x6F);
  for (const KeyName& name : kKeyNames) {
    if (name.key == key) return name.name;
  }
  wchar_t hex[8];
  std::swprintf(hex, 8, L"vk%02x", key & 0xFF);
  return hex;
}

std::optional<unsigned> KeyOfWord(const std::wstring& word) {
  if (word.size() == 1 && ((word[0] >= L'a' && word[0] <= L'z') || (word[0] >= L'0' && word[0] <= L'9'))) {
    return unsigned(std::towupper(word[0]));
  }
  if (word.size() >= 2 && word.size() <= 3 && word[0] == L'f') {
    const auto number = Digits(word, 1, word.size() - 1);
    if (number && *number >= 1 && *number <= 24) return unsigned(0x6F + *number);
  }
  for (const KeyName& name : kKeyNames) {
    if (word == name.name) return name.key;
  }
  if (word.size() == 4 && word.compare(0, 2, L"vk") == 0 && std::iswxdigit(word[2]) && std::iswxdigit(word[3])) {
    const unsigned key = unsigned(std::wcstoul(word.c_str() + 2, nullptr, 16));
    if (key != 0) return key;
  }
  return std::nullopt;
}

}  // namespace

std::wstring FormatTimeOfDay(int minuteOfDay) {
  wchar_t text[8];
  std::swprintf(text, 8, L"%02d:%02d", minuteOfDay / 60 % 24, minuteOfDay % 60);
  return text;
}

std::optional<int> ParseTimeOfDay(const std::wstring& text) {
  const size_t colon = text.find(L':');
  if (colon == std::wstring::npos || colon == 0 || colon > 2 || text.size() != colon + 3) return std::nullopt;
  const auto hour = Digits(text, 0, colon);
  const auto minute = Digits(text, colon + 1, 2);
  if (!hour || !minute || *hour > 23 || *minute > 59) return std::nullopt;
  return *hour * 60 + *minute;
}

std::wstring FormatDays(unsigned days) {
  std::wstring text;
  for (unsigned day : {1u, 2u, 3u, 4u, 5u, 6u, 0u}) {  // from Monday, as people write a week
    if (!(days >> day & 1)) continue;
    if (!text.empty()) text += L',';
    text += kDayWords[day];
  }
  return text;
}

unsigned ParseDays(const std::wstring& text) {
  unsigned days = 0;
  for (const std::wstring& word : Split(text, L',')) {
    for (unsigned day = 0; day < 7; ++day) {
      if (word == kDayWords[day]) days |= 1u << day;
    }
  }
  return days;
}

std::wstring FormatUtc(uint64_t ticks) {
  const uint64_t seconds = ticks / kTicksPerSecond;
  int64_t year = 0;
  unsigned month = 0, day = 0;
  CivilFromDays(int64_t(seconds / 86400) - kDaysFrom1601To1970, year, month, day);
  const unsigned secondOfDay = unsigned(seconds % 86400);
  wchar_t text[32];
  std::swprintf(text, 32, L"%04lld-%02u-%02uT%02u:%02u:%02uZ", static_cast<long long>(year), month, day,
                secondOfDay / 3600, secondOfDay / 60 % 60, secondOfDay % 60);
  return text;
}

std::optional<uint64_t> ParseUtc(const std::wstring& text) {
  if (text.size() != 20 || text[4] != L'-' || text[7] != L'-' || text[10] != L'T' || text[13] != L':' ||
      text[16] != L':' || text[19] != L'Z') {
    return std::nullopt;
  }
  const auto year = Digits(text, 0, 4), month = Digits(text, 5, 2), day = Digits(text, 8, 2);
  const auto hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  if (!year || !month || !day || !hour || !minute || !second) return std::nullopt;
  if (*year < 1601 || *month < 1 || *month > 12 || *day < 1 || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  const int64_t days = DaysFromCivil(*year, unsigned(*month), unsigned(*day));
  int64_t checkYear = 0;
  unsigned checkMonth = 0, checkDay = 0;
  CivilFromDays(days, checkYear, checkMonth, checkDay);
  if (checkDay != unsigned(*day)) return std::nullopt;  // 31 April, 29 February of a common year
  const uint64_t seconds = uint64_t(days + kDaysFrom1601To1970) * 86400 + uint64_t(*hour * 3600 + *minute * 60 + *second);
  return seconds * kTicksPerSecond;
}

std::wstring FormatHotKey(const HotKey& key) {
  if (!key.IsSet()) return L"";
  std::wstring text;
  for (const KeyName& modifier : kModifierNames) {
    if (key.modifiers & modifier.key) text += std::wstring(modifier.name) + L"+";
  }
  return text + KeyWord(key.key);
}

std::optional<HotKey> ParseHotKey(const std::wstring& text) {
  if (text.empty()) return HotKey{};
  const std::vector<std::wstring> words = Split(text, L'+');
  HotKey key;
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    bool known = false;
    for (const KeyName& modifier : kModifierNames) {
      if (words[i] == modifier.name && !(key.modifiers & modifier.key)) {
        key.modifiers |= modifier.key;
        known = true;
      }
    }
    if (!known) return std::nullopt;
  }
  const auto code = KeyOfWord(words.back());
  if (!code || !(key.modifiers & 3)) return std::nullopt;  // ctrl or alt: a plain key belongs to every program
  key.key = *code;
  return key;
}
