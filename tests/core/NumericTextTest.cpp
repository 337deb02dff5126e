#include <gtest/gtest.h>

#include "ui/options/NumericText.h"

namespace {
constexpr NumericRange kInterval{1, 60};
constexpr NumericRange kTextSize{10, 900};
}  // namespace

TEST(NumericText, OnlyDigitsAreAcceptable) {
  EXPECT_TRUE(IsAcceptableText(L""));
  EXPECT_TRUE(IsAcceptableText(L"0123456789"));
  EXPECT_TRUE(IsAcceptableText(L"12345678901234567890"));
  for (const wchar_t* text : {L"1 2", L"-4", L"+4", L"4a", L"42\r\n", L"\u0664"}) {
    EXPECT_FALSE(IsAcceptableText(text)) << text;
  }
}

TEST(NumericText, SplicingReplacesTheSelection) {
  EXPECT_EQ(L"53", SpliceText(L"123", 0, 2, L"5"));
  EXPECT_EQ(L"1234", SpliceText(L"123", 3, 3, L"4"));
  EXPECT_EQ(L"42", SpliceText(L"", 0, 0, L"42"));
  EXPECT_EQ(L"1x", SpliceText(L"12", 1, 99, L"x"));  // a stale selection cannot overrun
}

TEST(NumericText, ValuesAreReadLikeTheCRuntimeButSaturateInsteadOfWrapping) {
  EXPECT_EQ(0, ParseFieldValue(L""));
  EXPECT_EQ(7, ParseFieldValue(L"007"));
  EXPECT_EQ(-12, ParseFieldValue(L"  -12abc"));
  EXPECT_EQ(0, ParseFieldValue(L"abc"));
  EXPECT_EQ(2147483647, ParseFieldValue(L"4294967311"));  // would wrap to 15
  EXPECT_EQ(2147483647, ParseFieldValue(L"2147483648"));
  EXPECT_EQ(-2147483647 - 1, ParseFieldValue(L"-99999999999"));
}

TEST(NumericText, StepsStayInRangeAndLeaveBoundsAlone) {
  EXPECT_EQ(16, StepUpValue(15, kInterval));
  EXPECT_EQ(std::nullopt, StepUpValue(60, kInterval));
  EXPECT_EQ(60, StepDownValue(100, kInterval));
  EXPECT_EQ(10, StepUpValue(0, kTextSize));
  EXPECT_EQ(10, StepDownValue(0, kTextSize));
  EXPECT_EQ(std::nullopt, StepDownValue(1, kInterval));
  EXPECT_EQ(60, StepUpValue(2147483647, kInterval));
  EXPECT_EQ(1, StepDownValue(-2147483647 - 1, kInterval));
}

TEST(NumericText, FocusLossCorrection) {
  EXPECT_EQ(15, CorrectedFieldValue(L"", kInterval, 15));
  EXPECT_EQ(1, CorrectedFieldValue(L"0", kInterval, 15));
  EXPECT_EQ(60, CorrectedFieldValue(L"61", kInterval, 15));
  EXPECT_EQ(std::nullopt, CorrectedFieldValue(L"007", kInterval, 15));
  EXPECT_EQ(60, CorrectedFieldValue(L"99999999999", kInterval, 15));
  EXPECT_EQ(60, CorrectedFieldValue(L"4294967311", kInterval, 15));
  // Text with anything but digits (Ctrl+Backspace's 0x7F, an input method) becomes its number.
  EXPECT_EQ(12, CorrectedFieldValue(L"12\x7F", kInterval, 15));
  EXPECT_EQ(3, CorrectedFieldValue(L"3\x7F" L"0", kInterval, 15));
  EXPECT_EQ(1, CorrectedFieldValue(L"ab", kInterval, 15));
  EXPECT_EQ(60, ClampFieldValue(100, kInterval));
  EXPECT_EQ(1, ClampFieldValue(-3, kInterval));
}
