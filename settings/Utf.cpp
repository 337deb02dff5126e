#include "settings/Utf.h"

#include <cstdint>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendWide(std::wstring& out, char32_t cp) {
  if (sizeof(wchar_t) == 2 && cp >= 0x10000) {
    cp -= 0x10000;
    out += wchar_t(0xD800 + (cp >> 10));
    out += wchar_t(0xDC00 + (cp & 0x3FF));
  } else {
    out += wchar_t(cp);
  }
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

}  // namespace

std::wstring Utf8ToWide(const std::string& text) {
  std::wstring out;
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = uint8_t(text[i]);
    int extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2
              : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (extra < 0 || i + size_t(extra) >= text.size()) {
      out += wchar_t(kReplacement);
      ++i;
      continue;
    }
    char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      const auto next = uint8_t(text[i + size_t(k)]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = cp << 6 | (next & 0x3F);
    }
    const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (!valid || cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
      out += wchar_t(kReplacement);
      ++i;
      continue;
    }
    AppendWide(out, cp);
    i += size_t(extra) + 1;
  }
  return out;
}

std::string WideToUtf8(const std::wstring& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t cp = char32_t(text[i]);
    if (cp >= 0xD800 && cp <= 0xDFFF) {
      const bool pair = sizeof(wchar_t) == 2 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                        text[i + 1] <= 0xDFFF;
      if (pair) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (char32_t(text[++i]) - 0xDC00);
      } else {
        cp = kReplacement;
      }
    }
    if (cp > 0x10FFFF) cp = kReplacement;
    AppendUtf8(out, cp);
  }
  return out;
}

std::string Utf16BytesToUtf8(const std::string& bytes, bool bigEndian) {
  const auto unit = [&](size_t i) {
    const auto first = uint8_t(bytes[i]), second = uint8_t(bytes[i + 1]);
    return char32_t(bigEndian ? first << 8 | second : second << 8 | first);
  };
  std::string out;
  const size_t units = bytes.size() / 2;
  for (size_t i = 0; i < units; ++i) {
    char32_t cp = unit(2 * i);
    if (cp >= 0xD800 && cp <= 0xDFFF) {
      const char32_t next = i + 1 < units ? unit(2 * (i + 1)) : 0;
      if (cp <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (next - 0xDC00);
        ++i;
      } else {
        cp = kReplacement;
      }
    }
    AppendUtf8(out, cp);
  }
  if (bytes.size() % 2) AppendUtf8(out, kReplacement);
  return out;
}
