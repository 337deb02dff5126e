// The user's day on the real main window: working hours, a locked screen or one switched off,
// the key that shows the time, and the tray icon reached from the keyboard, with the messages
// the shell and Windows send.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <vector>

#include "tests/win/MainWindowFixture.h"
#include "ui/main/HotKeys.h"

namespace {

// 8 December 2026 is a Tuesday.
constexpr WorkingHours kOffice{true, 0x3E, 9 * 60, 18 * 60};

struct Registration {
  UINT modifiers, key;
};
std::vector<Registration> registrations;
UINT takenKey = 'T';  // held by another program; F12 Windows keeps for its debugger
BOOL WINAPI FakeRegisterHotKey(HWND, int, UINT modifiers, UINT key) {
  registrations.push_back({modifiers, key});
  return key != takenKey && key != VK_F12;
}

}  // namespace

class YourDayTest : public MainWindowTest {
 protected:
  void SetUp() override {
    registrations.clear();
    previousRegister = SetRegisterHotKeyFunction(FakeRegisterHotKey);
    MainWindowTest::SetUp();
  }
  void TearDown() override {
    MainWindowTest::TearDown();
    SetRegisterHotKeyFunction(previousRegister);
  }
  bool FadesAt(WORD hour, WORD minute, WORD second = 0) {
    clock.Set(hour, minute, second);
    AutoTick();
    const bool shown = Visible();
    Send(CmdHideFader);
    return shown;
  }
  void Screen(UINT message, WPARAM event, LPARAM data = 0) { SendMessageW(hwnd, message, event, data); }
  LRESULT Display(DWORD state) {
    struct {
      POWERBROADCAST_SETTING setting;
      DWORD rest;
    } change{{{0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}}, sizeof(DWORD), {}}, 0};
    memcpy(change.setting.Data, &state, sizeof(state));
    return SendMessageW(hwnd, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(&change.setting));
  }
  std::wstring Tip() const { return window.Tray().Tip(); }

  FakeClock clock;
  RegisterHotKeyFunction previousRegister = nullptr;
};

TEST_F(YourDayTest, AutomaticFadesComeOnlyInTheWorkingHoursAndTheTooltipSaysWhenTheyComeAgain) {
  FaderSettings::Instance().workingHours = kOffice;
  clock.Set(7, 0, 0);
  window.StartAutoFade();
  EXPECT_EQ(L"Dusklamp - fades again Tuesday 09:00", Tip());
  EXPECT_FALSE(FadesAt(8, 45));
  EXPECT_TRUE(FadesAt(9, 0));
  EXPECT_EQ(L"Dusklamp", Tip());
  EXPECT_FALSE(FadesAt(18, 0));
  EXPECT_EQ(L"Dusklamp - fades again Wednesday 09:00", Tip());
  Send(CmdShowFader);  // by hand, at any time
  EXPECT_TRUE(Visible());
}

TEST_F(YourDayTest, NoFadeWhileLockedOrTheDisplayIsOffAndNoneLateAfterwards) {
  clock.Set(9, 0, 0);
  window.StartAutoFade();
  Send(CmdShowFader);
  Screen(WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK);
  EXPECT_FALSE(Visible()) << "the Fader stayed on a locked screen";
  EXPECT_FALSE(FadesAt(9, 15));
  clock.Set(9, 30, 2);
  Screen(WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK);
  EXPECT_FALSE(FadesAt(9, 30, 5)) << "the minute came while locked";
  EXPECT_TRUE(FadesAt(9, 45));
  EXPECT_EQ(TRUE, Display(0));
  EXPECT_FALSE(FadesAt(10, 0));
  Display(2);  // dimmed is still seen
  EXPECT_TRUE(FadesAt(10, 15));
}

TEST_F(YourDayTest, TheKeyShowsAndHidesTheFaderAndATakenOneIsRefusedInTheDialog) {
  FaderSettings::Instance().showKey = {MOD_CONTROL | MOD_ALT, 'T'};  // taken when the program starts
  DestroyWindow(hwnd);
  DropQuitMessage();
  ASSERT_TRUE(window.Create());
  hwnd = window.hwnd();
  ASSERT_FALSE(registrations.empty());
  EXPECT_EQ(UINT(MOD_CONTROL | MOD_ALT | MOD_NOREPEAT), registrations.back().modifiers);
  EXPECT_EQ((HotKey{MOD_CONTROL | MOD_ALT, 'T'}), FaderSettings::Instance().showKey) << "kept for later";

  // A key Windows keeps, refused with a message, then a free one.
  std::wstring refusal;
  bool stayedOpen = false;
  int step = 0;
  WhenModal([&] {
    if (const HWND box = FindThreadDialog(L"Dusklamp")) {
      refusal = TextOf(GetDlgItem(box, 0xFFFF));
      PostMessageW(box, WM_COMMAND, IDOK, 0);
      return false;
    }
    const HWND dialog = FindThreadDialog(L"Dusklamp Options");
    if (!dialog) return false;
    if (step++ == 0) {
      SendDlgItemMessageW(dialog, 1042, HKM_SETHOTKEY, MAKEWORD(VK_F12, HOTKEYF_CONTROL), 0);
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      return false;
    }
    if (refusal.empty()) return false;
    stayedOpen = true;
    SendDlgItemMessageW(dialog, 1042, HKM_SETHOTKEY, MAKEWORD('D', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return true;
  });
  Send(CmdOptions);
  EXPECT_TRUE(stayedOpen) << "a key Windows keeps was taken";
  EXPECT_NE(std::wstring::npos, refusal.find(L"F12")) << refusal;
  EXPECT_NE(std::wstring::npos, refusal.find(L"in use")) << refusal;
  EXPECT_EQ((HotKey{MOD_CONTROL | MOD_ALT, 'D'}), FaderSettings::Instance().showKey);

  SendMessageW(hwnd, WM_HOTKEY, kShowKeyId, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'D'));
  EXPECT_TRUE(Visible());
  SendMessageW(hwnd, WM_HOTKEY, kShowKeyId, MAKELPARAM(MOD_CONTROL | MOD_ALT, 'D'));
  EXPECT_FALSE(Visible());
}

// The shell's version 4 callback: the event and the icon's id in lParam, where in wParam.
TEST_F(YourDayTest, TheTrayIconAnswersTheKeyboardAndBothFormsOfTheMouse) {
  const UINT callback = window.Tray().CallbackMessage();
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(NIN_KEYSELECT, MenuTray));
  PumpMessages();
  EXPECT_TRUE(Visible());
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(WM_LBUTTONDOWN, MenuTray));
  PumpMessages();
  EXPECT_FALSE(Visible());
  SendMessageW(hwnd, callback, MenuTray, WM_LBUTTONDOWN);  // the earlier form
  PumpMessages();
  EXPECT_TRUE(Visible());
  // One press of Enter comes as two NIN_KEYSELECT: it toggles once.
  clock.Advance(1000);
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(NIN_KEYSELECT, MenuTray));
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(NIN_KEYSELECT, MenuTray));
  PumpMessages();
  EXPECT_FALSE(Visible()) << "one key press toggled twice";
  clock.Advance(1000);
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(NIN_KEYSELECT, MenuTray));
  PumpMessages();
  EXPECT_TRUE(Visible());

  // The menu opens once: at WM_CONTEXTMENU in version 4 (which follows its right button's
  // release), at the release in the earlier form.
  int menus = 0;
  const HWND owner = window.Tray().MenuOwner();
  const SUBCLASSPROC countMenus = [](HWND w, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                     DWORD_PTR data) -> LRESULT {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU) {
      ++*reinterpret_cast<int*>(data);
      EndMenu();
    }
    return DefSubclassProc(w, message, wParam, lParam);
  };
  SetWindowSubclass(owner, countMenus, 1, reinterpret_cast<DWORD_PTR>(&menus));
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(WM_RBUTTONUP, MenuTray));
  SendMessageW(hwnd, callback, MAKEWPARAM(20, 790), MAKELPARAM(WM_CONTEXTMENU, MenuTray));
  EXPECT_EQ(1, menus);
  SendMessageW(hwnd, callback, MenuTray, WM_RBUTTONUP);
  EXPECT_EQ(2, menus);
  RemoveWindowSubclass(owner, countMenus, 1);
}
