#include "ui/about/VersionText.h"

#include "app/Languages.h"

#include <boost/regex.hpp>
#include <climits>
#include <cwchar>
#include <vector>

namespace {

// A trimmed field is an optional sign and decimal digits; anything else counts as 0.
int FieldValue(const std::wstring& field) {
  const wchar_t* blanks = L" \t\r\n\v\f";
  const size_t first = field.find_first_not_of(blanks);
  if (first == std::wstring::npos) return 0;
  const std::wstring text = field.substr(first, field.find_last_not_of(blanks) - first + 1);
  size_t i = 0;
  const bool negative = text[0] == L'-';
  if (text[0] == L'+' || negative) i = 1;
  if (i == text.size()) return 0;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return 0;
    if (value <= INT_MAX) value = value * 10 + (text[i] - L'0');
  }
  if (value > INT_MAX) value = INT_MAX;
  return int(negative ? -value : value);
}

}  // namespace

std::wstring FormatVersionText(const std::wstring& productVersion, const std::wstring& pattern) {
  // The C library's character traits: the locale-based ones would pull in the whole C++
  // locale and stream library, most of the executable's size.
  using Regex = boost::basic_regex<wchar_t, boost::c_regex_traits<wchar_t>>;
  using Tokens = boost::regex_token_iterator<std::wstring::const_iterator, wchar_t, boost::c_regex_traits<wchar_t>>;
  static const Regex separators(L"\\.|,");
  std::vector<int> fields;
  for (Tokens it(productVersion.begin(), productVersion.end(), separators, -1); it != Tokens(); ++it) {
    fields.push_back(FieldValue(it->str()));
  }
  if (fields.size() != 4) return std::wstring();
  std::vector<std::wstring> texts;
  for (const int field : fields) texts.push_back(std::to_wstring(field));
  return FillBlanks(pattern, texts);
}
