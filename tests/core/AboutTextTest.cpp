#include <gtest/gtest.h>

#include "ui/about/RegistryColorText.h"
#include "ui/about/VersionText.h"

namespace {
std::wstring Version(const wchar_t* productVersion) {
  return FormatVersionText(productVersion, L"Version %1.%2.%3  (Build %4)");
}
}  // namespace

TEST(VersionText, FourFieldsSeparatedByDotsOrCommas) {
  EXPECT_EQ(L"Version 2.4.0  (Build 59)", Version(L"2, 4, 0, 59"));
  EXPECT_EQ(L"Version 1.2.3  (Build 4)", Version(L"1.2.3.4"));
  EXPECT_EQ(L"Version 1.2.3  (Build 4)", Version(L"1,2.3,4"));
  EXPECT_EQ(L"Version -1.2.3  (Build 4)", Version(L"-1,+2,3,4"));
}

TEST(VersionText, TheFieldsGoWhereTheLanguagesPatternPutsThem) {
  EXPECT_EQ(L"\u30d0\u30fc\u30b8\u30e7\u30f3 2.4.0 [59]", FormatVersionText(L"2.4.0.59", L"\u30d0\u30fc\u30b8\u30e7\u30f3 %1.%2.%3 [%4]"));
  EXPECT_EQ(L"59: 0.4.2", FormatVersionText(L"2.4.0.59", L"%4: %3.%2.%1"));
}

TEST(VersionText, AnythingButFourFieldsGivesNothing) {
  EXPECT_EQ(L"", Version(L"1.2.3"));
  EXPECT_EQ(L"", Version(L"1.2.3.4.5"));
  EXPECT_EQ(L"", Version(L""));
}

TEST(VersionText, FieldsThatAreNotNumbersCountAsZero) {
  EXPECT_EQ(L"Version 1.0.3  (Build 4)", Version(L"1, x1, 3, 4"));
  EXPECT_EQ(L"Version 0.0.3  (Build 0)", Version(L" , +, 3, 4 5"));
}

TEST(RegistryColor, ParsesRedGreenBlue) {
  EXPECT_EQ(0x00FF8000u, ParseRegistryColor(L"0,128,255"));
  EXPECT_EQ(0x00800080u, ParseRegistryColor(L"128,0,128"));
  EXPECT_EQ(0x00030201u, ParseRegistryColor(L"257, 2 ,3"));  // low 8 bits
}

TEST(RegistryColor, RejectsMalformedValues) {
  for (const wchar_t* text : {L"0,128", L"0,128,", L"", L"-1,0,0", L"0,-1,0", L"a,0,0",
                              L"0,0,x", L"1,,3"}) {
    EXPECT_EQ(std::nullopt, ParseRegistryColor(text)) << text;
  }
}
