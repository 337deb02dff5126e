#include "app/PathText.h"

namespace path_text {

namespace {

const wchar_t kWhiteSpace[] = L" \t\r\n\v\f";

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Replaces the first "%<digits>" at or after `from`; returns where the replacement ends, or npos.
size_t FillOne(std::wstring& text, size_t from, const std::wstring& value) {
  for (size_t i = text.find(L'%', from); i != std::wstring::npos; i = text.find(L'%', i + 1)) {
    size_t end = i + 1;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end > i + 1) {
      text.replace(i, end - i, value);
      return i + value.size();
    }
  }
  return std::wstring::npos;
}

}  // namespace

std::wstring Tidy(const std::wstring& path) {
  const size_t first = path.find_first_not_of(kWhiteSpace);
  if (first == std::wstring::npos) return std::wstring();
  std::wstring result = path.substr(first, path.find_last_not_of(kWhiteSpace) - first + 1);
  for (wchar_t& c : result) {
    if (c == L'/') c = L'\\';
  }
  return result;
}

std::wstring WithTrailingBackslash(std::wstring path) {
  if (path.empty() || path.back() != L'\\') path += L'\\';
  return path;
}

std::wstring JoinToCurrent(const std::wstring& currentDirectory, const std::wstring& relative) {
  const std::wstring joined = WithTrailingBackslash(currentDirectory) + relative;
  std::wstring result;
  for (size_t i = 0; i < joined.size(); ++i) {
    const bool repeated = joined[i] == L'\\' && !result.empty() && result.back() == L'\\';
    if (repeated && i != 1) continue;  // a pair at the very start is a UNC prefix
    result += joined[i];
  }
  return result;
}

std::wstring FolderOf(const std::wstring& path) {
  const size_t last = path.rfind(L'\\');
  if (last == std::wstring::npos) {
    if (path.size() >= 2 && path[1] == L':') return path.substr(0, 2) + L'\\';
    return L".";
  }
  if (last == 0) return L"\\";
  if (last == 2 && path[1] == L':') return path.substr(0, 3);
  return path.substr(0, last);
}

std::wstring FillPlaceholders(const std::wstring& pattern, const std::wstring& first,
                              const std::wstring& second) {
  std::wstring text = pattern;
  const size_t next = FillOne(text, 0, first);
  if (next != std::wstring::npos) FillOne(text, next, second);
  return text;
}

}  // namespace path_text
