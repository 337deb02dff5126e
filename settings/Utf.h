#pragma once
// UTF-8 and UTF-16 conversion; malformed input becomes U+FFFD rather than failing.
#include <string>

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);
