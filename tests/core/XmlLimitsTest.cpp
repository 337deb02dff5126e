// Files too large or too deeply nested for the XML parser are refused before it sees them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "settings/XmlDocument.h"
#include "settings/XmlLimits.h"

namespace {

std::string Nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<a>";
  for (int i = 0; i < depth; ++i) text += "</a>";
  return text;
}

std::FILE* FileOf(const std::string& bytes) {
  std::FILE* file = std::tmpfile();
  std::fwrite(bytes.data(), 1, bytes.size(), file);
  std::rewind(file);
  return file;
}

}  // namespace

TEST(XmlLimits, NestingIsCountedOverOpenElementsOnly) {
  EXPECT_FALSE(NestsDeeperThan(Nested(32), 32));
  EXPECT_TRUE(NestsDeeperThan(Nested(33), 32));
  std::string siblings;  // closed elements, empty or not, do not add up
  for (int i = 0; i < 1000; ++i) siblings += "<a x=\"1\" /><b>t</b>";
  EXPECT_FALSE(NestsDeeperThan("<r>" + siblings + "</r>", 2));
  EXPECT_TRUE(NestsDeeperThan("<a><b><c>", 2));  // never closed
  EXPECT_TRUE(NestsDeeperThan("<a<a<a", 2));     // broken tags count as opened
}

TEST(XmlLimits, MarkupThatOpensNothingIsSkipped) {
  EXPECT_FALSE(NestsDeeperThan("<?xml version=\"1.0\" ?><!-- <a><a><a> --><r/>", 1));
  EXPECT_FALSE(NestsDeeperThan("<r><![CDATA[<a><a><a>]]></r>", 1));
  EXPECT_FALSE(NestsDeeperThan("<!DOCTYPE r><r a=\"x>y\" b='<c>'/>", 0 + 1));
  EXPECT_TRUE(NestsDeeperThan("<r a=\"x>y\"><c>", 1));
}

TEST(XmlLimits, TheDocumentRefusesDeepAndLargeTextUnparsed) {
  XmlDocument document;
  EXPECT_TRUE(document.Parse(Nested(kMaxXmlDepth)));
  EXPECT_FALSE(document.Parse(Nested(kMaxXmlDepth + 1)));
  EXPECT_FALSE(document.Parse(Nested(100000)));  // would exhaust the stack in the parser

  std::FILE* deep = FileOf(Nested(20000));
  EXPECT_EQ(XmlLoad::Rejected, document.Load(deep));
  std::fclose(deep);

  const std::string large = "<r>" + std::string(kMaxXmlBytes, ' ') + "</r>";
  std::FILE* file = FileOf(large);
  EXPECT_EQ(XmlLoad::Rejected, document.Load(file));
  EXPECT_LE(std::ftell(file), long(kMaxXmlBytes + 8192));  // read only up to the limit
  std::fclose(file);
}
