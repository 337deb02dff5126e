#include "settings/XmlLimits.h"

namespace {

// The position after `end` searched from `from`, or npos.
std::size_t After(const std::string& text, std::size_t from, const char* end) {
  const std::size_t at = text.find(end, from);
  return at == std::string::npos ? at : at + std::char_traits<char>::length(end);
}

}  // namespace

bool NestsDeeperThan(const std::string& text, int limit) {
  int depth = 0;
  std::size_t at = 0;
  while (at < text.size() && (at = text.find('<', at)) != std::string::npos) {
    if (text.compare(at, 4, "<!--") == 0) {
      at = After(text, at + 4, "-->");
    } else if (text.compare(at, 9, "<![CDATA[") == 0) {
      at = After(text, at + 9, "]]>");
    } else if (at + 1 < text.size() && (text[at + 1] == '!' || text[at + 1] == '?')) {
      at = After(text, at + 2, ">");
    } else if (at + 1 < text.size() && text[at + 1] == '/') {
      if (depth > 0) --depth;
      at = After(text, at + 2, ">");
    } else {
      if (++depth > limit) return true;
      // The end of the start tag; quoted attribute values may hold '>'.
      char quote = 0;
      std::size_t end = at + 1;
      for (; end < text.size(); ++end) {
        const char c = text[end];
        if (quote) {
          if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
          quote = c;
        } else if (c == '>' || c == '<') {
          break;
        }
      }
      if (end < text.size() && text[end] == '>' && text[end - 1] == '/') --depth;
      at = end;
    }
  }
  return false;
}
