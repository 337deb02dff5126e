#pragma once
// UTF-8 and UTF-16 conversion; malformed input becomes U+FFFD rather than failing.
#include <string>

std::wstring Utf8ToWide(const std::string& text);
std::string WideToUtf8(const std::wstring& text);

// Bytes of UTF-16 text in the given byte order as UTF-8; a lone surrogate or a last odd byte
// becomes U+FFFD.
std::string Utf16BytesToUtf8(const std::string& bytes, bool bigEndian);
