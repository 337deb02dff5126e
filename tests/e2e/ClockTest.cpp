// The time in the user's own format, as the running program gets it from the regional settings
// of this prefix, which use a 12-hour clock.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

const wchar_t kInternational[] = L"Control Panel\\International";

// Sets the user's short time format for the test's length, and puts back what was there.
class ShortTimeFormat {
 public:
  explicit ShortTimeFormat(const wchar_t* format) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kInternational, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key_, nullptr);
    DWORD size = sizeof(previous_);
    had_ = RegQueryValueExW(key_, L"sShortTime", nullptr, nullptr, reinterpret_cast<BYTE*>(previous_), &size) ==
           ERROR_SUCCESS;
    RegSetValueExW(key_, L"sShortTime", 0, REG_SZ, reinterpret_cast<const BYTE*>(format),
                   DWORD((wcslen(format) + 1) * sizeof(wchar_t)));
  }
  ~ShortTimeFormat() {
    if (had_) {
      RegSetValueExW(key_, L"sShortTime", 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_),
                     DWORD((wcslen(previous_) + 1) * sizeof(wchar_t)));
    } else {
      RegDeleteValueW(key_, L"sShortTime");
    }
    RegCloseKey(key_);
  }

 private:
  HKEY key_ = nullptr;
  wchar_t previous_[80] = {};
  bool had_ = false;
};

std::wstring UsersTime(const SYSTEMTIME& time) {
  wchar_t text[64] = {};
  GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, TIME_NOSECONDS, &time, nullptr, text, 64);
  return text;
}

}  // namespace

TEST(Clock, AsWindowsShowsTheTimeTheFaderReadsInTheUsersTwelveHourFormat) {
  const ShortTimeFormat twelveHour(L"h:mm tt");
  Dusklamp app;
  WriteFileBytes(app.SettingsPath(),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                 "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
                 "<Options><Fader clock=\"windows\" /></Options></DusklampSettings>\n");
  SYSTEMTIME before{};
  GetLocalTime(&before);
  ASSERT_TRUE(app.Start());
  app.Command(CMD_SHOW_FADER);
  // The window's text is what it drew.
  std::wstring shown;
  ASSERT_TRUE(WaitUntil([&] {
    wchar_t text[64] = {};
    GetWindowTextW(app.Window(), text, 64);
    shown = text;
    return !shown.empty();
  }));
  SYSTEMTIME after{};
  GetLocalTime(&after);
  EXPECT_TRUE(shown == UsersTime(before) || shown == UsersTime(after)) << "shown: " << testing::PrintToString(shown);
  const std::wstring designator = shown.substr(shown.size() - 2);
  EXPECT_TRUE(designator == L"AM" || designator == L"PM") << testing::PrintToString(shown);
  EXPECT_EQ(1u, app.Exit());  // the code a normal exit gives
}
