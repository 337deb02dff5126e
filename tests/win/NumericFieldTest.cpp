// A numeric field on a real edit control, worked with the messages a user's actions send.
#include <gtest/gtest.h>

#include "tests/win/ControlHost.h"
#include "tests/win/WinTestSupport.h"
#include "ui/options/NumericField.h"

class NumericFieldTest : public testing::Test {
 protected:
  void SetUp() override {
    edit = host.Add(L"Edit", ES_LEFT | ES_AUTOHSCROLL | WS_BORDER, 10, 10, 120, 24, 1185);
    ASSERT_TRUE(field.Attach(edit));
    field.minValue = 1;
    field.maxValue = 60;
    field.defaultValue = 15;
  }
  void Type(const std::wstring& keys) {
    for (wchar_t c : keys) SendMessageW(edit, WM_CHAR, c, 1);
  }
  void Select(int start, int end) { SendMessageW(edit, EM_SETSEL, WPARAM(start), end); }
  void SetText(const wchar_t* text) { SetWindowTextW(edit, text); }
  std::wstring Text() const { return TextOf(edit); }
  bool AllSelected() const {
    DWORD start = 1, end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return start == 0 && end == DWORD(Text().size());
  }
  void Key(WPARAM key) { SendMessageW(edit, WM_KEYDOWN, key, 1); }
  void Wheel(short delta) { SendMessageW(edit, WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(delta)), 0); }
  void LoseFocus() { SendMessageW(edit, WM_KILLFOCUS, 0, 0); }

  ControlHost host;
  NumericField field;
  HWND edit = nullptr;
};

TEST_F(NumericFieldTest, TypingKeepsOnlyDigits) {
  Type(L"1a 2+-3");
  EXPECT_EQ(L"123", Text());
  Select(0, 2);
  Type(L"5");
  EXPECT_EQ(L"53", Text());
  Select(2, 2);
  Type(L"12345678901234567890");  // no length limit of its own
  EXPECT_EQ(L"5312345678901234567890", Text());
}

TEST_F(NumericFieldTest, EditingKeysAlwaysWork) {
  SetText(L"42");
  Select(2, 2);
  Type(L"\b\b");
  EXPECT_EQ(L"", Text());
}

TEST_F(NumericFieldTest, PastesAreFilteredByWhatTheyWouldLeave) {
  ASSERT_TRUE(PutTextOnClipboard(L"42"));
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(L"42", Text());
  for (const wchar_t* refused : {L"4 2", L"-5", L"42\r\n", L"x"}) {
    ASSERT_TRUE(PutTextOnClipboard(refused));
    SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(L"42", Text()) << refused;
  }
  ASSERT_TRUE(PutBitmapOnClipboard());
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(L"42", Text());
  ASSERT_TRUE(PutTextOnClipboard(L"7"));
  Select(0, 1);
  SendMessageW(edit, WM_PASTE, 0, 0);
  EXPECT_EQ(L"72", Text());
}

TEST_F(NumericFieldTest, ArrowKeysStepWithinTheRangeAndSelectTheText) {
  SetText(L"60");
  Key(VK_UP);
  EXPECT_EQ(L"60", Text());
  EXPECT_TRUE(AllSelected());
  SetText(L"100");
  Key(VK_DOWN);
  EXPECT_EQ(L"60", Text());
  Key(VK_DOWN);
  EXPECT_EQ(L"59", Text());
  EXPECT_TRUE(AllSelected());
  field.minValue = 10;
  field.maxValue = 900;
  SetText(L"");
  Key(VK_UP);
  EXPECT_EQ(L"10", Text());
  SetText(L"");
  Key(VK_DOWN);
  EXPECT_EQ(L"10", Text());
}

TEST_F(NumericFieldTest, OneWheelMessageIsOneStepWhateverItsDelta) {
  SetText(L"15");
  Wheel(WHEEL_DELTA);
  EXPECT_EQ(L"16", Text());
  EXPECT_TRUE(AllSelected());
  Wheel(WHEEL_DELTA * 10);
  EXPECT_EQ(L"17", Text());
  Wheel(-WHEEL_DELTA * 10);
  EXPECT_EQ(L"16", Text());
}

TEST_F(NumericFieldTest, LosingTheFocusCorrectsEmptyAndOutOfRangeEntries) {
  SetText(L"");
  LoseFocus();
  EXPECT_EQ(L"15", Text());
  SetText(L"0");
  LoseFocus();
  EXPECT_EQ(L"1", Text());
  SetText(L"61");
  LoseFocus();
  EXPECT_EQ(L"60", Text());
  SetText(L"007");
  LoseFocus();
  EXPECT_EQ(L"007", Text());
  EXPECT_EQ(7, field.GetValue());
  SetText(L"4294967311");  // saturates instead of wrapping to 15
  LoseFocus();
  EXPECT_EQ(L"60", Text());
  EXPECT_EQ(60, field.GetValue());
  SetText(L"2\x7F" L"5");  // what Ctrl+Backspace leaves in a standard edit control
  LoseFocus();
  EXPECT_EQ(L"2", Text());
}

TEST_F(NumericFieldTest, SetValueClampsAndDestroyingTheEditDetachesTheField) {
  field.SetValue(-4);
  EXPECT_EQ(L"1", Text());
  field.SetValue(75);
  EXPECT_EQ(L"60", Text());
  DestroyWindow(edit);
  EXPECT_EQ(nullptr, field.control());
}
