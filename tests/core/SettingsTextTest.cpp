#include <gtest/gtest.h>

#include "settings/ColorText.h"
#include "settings/FaderSettings.h"
#include "settings/IntegerText.h"
#include "settings/Utf.h"

TEST(ColorText, WritesUpperCaseHexRedFirst) {
  EXPECT_EQ(L"#0000FF", FormatColorText(ArgbColor{0xFF0000FF}));
  EXPECT_EQ(L"#ABCDEF", FormatColorText(ArgbColor::FromRgb(0xAB, 0xCD, 0xEF)));
  EXPECT_EQ(L"#FFFFFF", FormatColorText(ArgbColor{0x00FFFFFF}));  // alpha is not written
}

TEST(ColorText, AcceptsBothFormsInEitherCase) {
  const ArgbColor expected = ArgbColor::FromRgb(0, 255, 128);
  EXPECT_EQ(expected, ParseColorText(L"#00ff80"));
  EXPECT_EQ(expected, ParseColorText(L"00FF80"));
  EXPECT_EQ(expected, ParseColorText(L"#00FF80"));
  EXPECT_EQ(0xFFu, ParseColorText(L"#abcdef").value >> 24);
}

TEST(ColorText, MalformedTextGivesOpaqueBlack) {
  for (const wchar_t* text : {L"#00FF8", L"00FF80FF", L"x00FF80", L"#00FG80", L"", L"#12345",
                              L"#-1FF80", L"# 0FF80"}) {
    EXPECT_EQ(0xFF000000u, ParseColorText(text).value) << text;
  }
}

TEST(ArgbColor, ConvertsToAndFromColorReferences) {
  const ArgbColor color = ArgbColor::FromRgb(0x12, 0x34, 0x56);
  EXPECT_EQ(0xFF123456u, color.value);
  EXPECT_EQ(0x00563412u, color.ToColorRef());
  EXPECT_EQ(color, ArgbColor::FromColorRef(0x00563412u));
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&color);
  EXPECT_EQ(0x56, bytes[0]);  // blue, green, red, alpha in memory
  EXPECT_EQ(0xFF, bytes[3]);
}

TEST(IntegerText, ReadsTheLeadingNumber) {
  EXPECT_EQ(15, ParseLeadingInt(L"15min"));
  EXPECT_EQ(30, ParseLeadingInt(L" 30"));
  EXPECT_EQ(30, ParseLeadingInt(L"30.9"));
  EXPECT_EQ(-5, ParseLeadingInt(L"-5"));
  EXPECT_EQ(7, ParseLeadingInt(L"+7"));
  EXPECT_FALSE(ParseLeadingInt(L"thirty"));
  EXPECT_FALSE(ParseLeadingInt(L""));
  EXPECT_FALSE(ParseLeadingInt(L"-"));
  EXPECT_FALSE(ParseLeadingInt(L"- 5"));
}

TEST(IntegerText, HugeNumbersSaturateInsteadOfWrapping) {
  EXPECT_EQ(2147483647, ParseLeadingInt(L"99999999999999999999999"));
  EXPECT_EQ(-2147483647 - 1, ParseLeadingInt(L"-99999999999999999999999"));
  EXPECT_EQ(60, kIntervalBounds.Clamp(*ParseLeadingInt(L"4294967297")));
}

TEST(FaderSettings, FreshRecordHoldsTheDefaults) {
  const FaderSettings s;
  EXPECT_EQ(15, s.autoFadeInterval);
  EXPECT_EQ(20, s.fadeDuration);
  EXPECT_EQ(70, s.maxOpacity);
  EXPECT_EQ(0xFF0000FFu, s.overlayColor.value);
  EXPECT_EQ(0xFFFFFFFFu, s.textColor.value);
  EXPECT_EQ(250, s.textSize);
  EXPECT_TRUE(s.autoBlock);
  EXPECT_TRUE(s.hideFromCapture);
  EXPECT_TRUE(s.debut);
}

TEST(FaderSettings, BoundsClampOutOfRangeValues) {
  EXPECT_EQ(1, kIntervalBounds.Clamp(0));
  EXPECT_EQ(60, kIntervalBounds.Clamp(61));
  EXPECT_EQ(1, kDurationBounds.Clamp(-5));
  EXPECT_EQ(300, kDurationBounds.Clamp(301));
  EXPECT_EQ(100, kOpacityBounds.Clamp(101));
  EXPECT_EQ(10, kTextSizeBounds.Clamp(9));
  EXPECT_EQ(900, kTextSizeBounds.Clamp(901));
  EXPECT_EQ(45, kIntervalBounds.Clamp(45));
}

TEST(Utf, RoundTripsEveryPlaneAndReplacesMalformedBytes) {
  const std::wstring wide = L"Dusk \u0434\u043e\u043c \u6642\u8a08 \U0001F319";
  EXPECT_EQ(wide, Utf8ToWide(WideToUtf8(wide)));
  EXPECT_EQ("\xD0\xB4", WideToUtf8(L"\u0434"));
  EXPECT_EQ(L"a\uFFFDb", Utf8ToWide("a\xFF" "b"));
  EXPECT_EQ(L"\uFFFD\uFFFD", Utf8ToWide("\xE6\x99"));  // cut short: each byte replaced
  EXPECT_EQ(L"\uFFFD\uFFFD", Utf8ToWide("\xC0\xAF"));  // overlong
}

TEST(Utf, Utf16BytesBecomeUtf8InEitherOrderAndBrokenUnitsAreReplaced) {
  EXPECT_EQ("a\xD0\xB4\xF0\x9F\x95\x90", Utf16BytesToUtf8(std::string("a\0\x34\x04\x3D\xD8\x50\xDD", 8), false));
  EXPECT_EQ("a\xD0\xB4\xF0\x9F\x95\x90", Utf16BytesToUtf8(std::string("\0a\x04\x34\xD8\x3D\xDD\x50", 8), true));
  EXPECT_EQ("\xEF\xBF\xBDz", Utf16BytesToUtf8(std::string("\x3D\xD8z\0", 4), false));  // high surrogate alone
  EXPECT_EQ("\xEF\xBF\xBD", Utf16BytesToUtf8(std::string("\x50\xDD", 2), false));      // low surrogate alone
  EXPECT_EQ("z\xEF\xBF\xBD", Utf16BytesToUtf8(std::string("z\0\x3D", 3), false));      // odd last byte
}
