#pragma once
// What a settings file may be before the XML library is let near it. The real file is under
// 1 KB and three elements deep; TinyXML reads a whole file into memory and recurses once per
// level while parsing and freeing, so a huge or deeply nested file would cost memory or the stack.
#include <cstddef>
#include <string>

constexpr std::size_t kMaxXmlBytes = 64 * 1024;
constexpr int kMaxXmlDepth = 32;

// True when the text could open more than `limit` elements inside each other. It counts every
// start tag that is not closed yet, so it never says less than a parser would nest.
bool NestsDeeperThan(const std::string& text, int limit);
