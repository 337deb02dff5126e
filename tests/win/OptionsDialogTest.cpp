// The Options dialog opened through the main window's command, worked from inside its modal loop.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "tests/win/MainWindowFixture.h"
#include "ui/Dpi.h"
#include "ui/fader/FadeSound.h"
#include "ui/main/DialogSlots.h"
#include "ui/options/OptionsIds.h"

namespace {

bool SettingsFileExists() { return GetFileAttributesW(PortableSettingsFile().c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

class OptionsDialogTest : public MainWindowTest {
 protected:
  // Opens the dialog with the Options command; `work` runs inside it and ends it.
  void WithDialog(const std::function<void(HWND)>& work) {
    opened = nullptr;
    WhenModal([&] {
      const HWND dialog = FindThreadDialog(L"Dusklamp Options");
      if (!dialog) return false;
      opened = dialog;
      work(dialog);
      return true;
    });
    Send(CmdOptions);
  }
  static std::wstring Field(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }
  static void SetField(HWND dialog, int id, const wchar_t* text) { SetDlgItemTextW(dialog, id, text); }
  static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, id, 0); }

  HWND opened = nullptr;
};

TEST_F(OptionsDialogTest, OpensWithTheCurrentValuesTheFocusOnOkAndAnnouncesItself) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.autoFadeInterval = 0;  // out of range: shown as 1
  settings.maxOpacity = 55;
  settings.autoBlock = false;
  settings.hideFromCapture = false;
  settings.overlayColor = ArgbColor::FromRgb(200, 10, 20);
  WithDialog([&](HWND dialog) {
    EXPECT_EQ(dialog, optionsDialogWindow);
    EXPECT_EQ(L"1", Field(dialog, IDC_INTERVAL));
    EXPECT_EQ(L"20", Field(dialog, IDC_DURATION));
    EXPECT_EQ(L"55", Field(dialog, IDC_OPACITY));
    EXPECT_EQ(L"250", Field(dialog, IDC_TEXT_SIZE));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_AUTO_BLOCK));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_HIDE_FROM_CAPTURE));
    EXPECT_EQ(GetDlgItem(dialog, IDOK), GetFocus());
    EXPECT_EQ(RGB(200, 10, 20), ClientPixel(GetDlgItem(dialog, IDC_OVERLAY_COLOR), 5, 5));
    EXPECT_EQ(RGB(255, 255, 255), ClientPixel(GetDlgItem(dialog, IDC_TEXT_COLOR), 5, 5));
    EXPECT_EQ(MAKELONG(60, 1), SendDlgItemMessageW(dialog, IDC_INTERVAL_SPIN, UDM_GETRANGE, 0, 0));
    EXPECT_EQ(MAKELONG(900, 10), SendDlgItemMessageW(dialog, IDC_TEXT_SIZE_SPIN, UDM_GETRANGE, 0, 0));
    Press(dialog, IDOK);
  });
  ASSERT_NE(nullptr, opened);
  EXPECT_EQ(nullptr, optionsDialogWindow);
  EXPECT_EQ(1, settings.autoFadeInterval);
  EXPECT_TRUE(SettingsFileExists());
}

TEST_F(OptionsDialogTest, OkCorrectsTypedValuesBeforeReadingThem) {
  WithDialog([&](HWND dialog) {
    SetField(dialog, IDC_INTERVAL, L"0");
    SetField(dialog, IDC_DURATION, L"");
    SetField(dialog, IDC_OPACITY, L"999");
    SetField(dialog, IDC_TEXT_SIZE, L"0400");
    CheckDlgButton(dialog, IDC_AUTO_BLOCK, BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_HIDE_FROM_CAPTURE, BST_UNCHECKED);
    Press(dialog, IDOK);
  });
  const FaderSettings& settings = FaderSettings::Instance();
  EXPECT_EQ(1, settings.autoFadeInterval);
  EXPECT_EQ(20, settings.fadeDuration);
  EXPECT_EQ(100, settings.maxOpacity);
  EXPECT_EQ(400, settings.textSize);
  EXPECT_FALSE(settings.autoBlock);
  EXPECT_FALSE(settings.hideFromCapture);
}

TEST_F(OptionsDialogTest, LeavingAFieldCorrectsItAtOnce) {
  WithDialog([&](HWND dialog) {
    const HWND opacity = GetDlgItem(dialog, IDC_OPACITY);
    SetFocus(opacity);
    SetWindowTextW(opacity, L"999");
    SetFocus(GetDlgItem(dialog, IDC_DURATION));
    EXPECT_EQ(L"100", TextOf(opacity));
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(70, FaderSettings::Instance().maxOpacity);
}

TEST_F(OptionsDialogTest, ResetThenCancelChangesAndWritesNothing) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.fadeDuration = 99;
  settings.textColor = ArgbColor::FromRgb(1, 2, 3);
  settings.hideFromCapture = false;
  WithDialog([&](HWND dialog) {
    Press(dialog, IDC_RESET_DEFAULTS);
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_HIDE_FROM_CAPTURE));
    EXPECT_EQ(L"15", Field(dialog, IDC_INTERVAL));
    EXPECT_EQ(L"20", Field(dialog, IDC_DURATION));
    EXPECT_EQ(L"70", Field(dialog, IDC_OPACITY));
    EXPECT_EQ(L"250", Field(dialog, IDC_TEXT_SIZE));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_AUTO_BLOCK));
    EXPECT_EQ(RGB(0, 0, 255), ClientPixel(GetDlgItem(dialog, IDC_OVERLAY_COLOR), 5, 5));
    EXPECT_EQ(RGB(255, 255, 255), ClientPixel(GetDlgItem(dialog, IDC_TEXT_COLOR), 5, 5));
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(99, settings.fadeDuration);
  EXPECT_EQ(ArgbColor::FromRgb(1, 2, 3), settings.textColor);
  EXPECT_FALSE(SettingsFileExists());
}

TEST_F(OptionsDialogTest, TheListsOfferTheMonitorsAndClocksShowTheChoiceAndStoreANewOne) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.showOn = FaderMonitors::Pointer;
  WithDialog([&](HWND dialog) {
    const auto item = [&](int id, WPARAM index) {
      wchar_t text[64] = {};
      SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
      return std::wstring(text);
    };
    ASSERT_EQ(3, SendDlgItemMessageW(dialog, IDC_SHOW_ON, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"Primary monitor", item(IDC_SHOW_ON, 0));
    EXPECT_EQ(L"All monitors", item(IDC_SHOW_ON, 1));
    EXPECT_EQ(L"The monitor with the mouse pointer", item(IDC_SHOW_ON, 2));
    ASSERT_EQ(2, SendDlgItemMessageW(dialog, IDC_CLOCK, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(L"24-hour (14:30)", item(IDC_CLOCK, 0));
    EXPECT_EQ(L"As Windows shows the time", item(IDC_CLOCK, 1));
    EXPECT_EQ(2, SendDlgItemMessageW(dialog, IDC_SHOW_ON, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(0, SendDlgItemMessageW(dialog, IDC_CLOCK, CB_GETCURSEL, 0, 0));
    Press(dialog, IDC_RESET_DEFAULTS);
    Press(dialog, IDC_RESET_DEFAULTS);
    EXPECT_EQ(3, SendDlgItemMessageW(dialog, IDC_SHOW_ON, CB_GETCOUNT, 0, 0)) << "Reset added the choices again";
    EXPECT_EQ(2, SendDlgItemMessageW(dialog, IDC_CLOCK, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(0, SendDlgItemMessageW(dialog, IDC_SHOW_ON, CB_GETCURSEL, 0, 0));
    SendDlgItemMessageW(dialog, IDC_SHOW_ON, CB_SETCURSEL, 1, 0);
    SendDlgItemMessageW(dialog, IDC_CLOCK, CB_SETCURSEL, 1, 0);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(FaderMonitors::All, settings.showOn);
  EXPECT_EQ(ClockStyle::Windows, settings.clock);
}

TEST_F(OptionsDialogTest, ResetThenOkStoresTheDefaultsButKeepsTheFirstRunFlag) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.fadeDuration = 99;
  settings.debut = false;
  WithDialog([&](HWND dialog) {
    Press(dialog, IDC_RESET_DEFAULTS);
    Press(dialog, IDOK);
  });
  EXPECT_EQ(20, settings.fadeDuration);
  EXPECT_FALSE(settings.debut);
  EXPECT_TRUE(SettingsFileExists());
}

TEST_F(OptionsDialogTest, ASecondOptionsCommandOpensNoSecondDialog) {
  int dialogs = 0;
  WithDialog([&](HWND dialog) {
    EXPECT_TRUE(ReturnsWithin([&] { Send(CmdOptions); }))
        << "a second Options command opened a second dialog";
    EnumThreadWindows(GetCurrentThreadId(), [](HWND each, LPARAM count) -> BOOL {
      if (TextOf(each) == L"Dusklamp Options") ++*reinterpret_cast<int*>(count);
      return TRUE;
    }, reinterpret_cast<LPARAM>(&dialogs));
    Press(dialog, IDCANCEL);
  });
  EXPECT_EQ(1, dialogs);
  WithDialog([&](HWND dialog) { Press(dialog, IDCANCEL); });  // and afterwards a fresh one
  EXPECT_NE(nullptr, opened);
}

TEST_F(OptionsDialogTest, OnlyAChangedIntervalRestartsAutomaticFading) {
  FakeClock clock;
  clock.Set(9, 0, 0);
  window.StartAutoFade();
  clock.Set(10, 14, 30);
  WithDialog([&](HWND dialog) { Press(dialog, IDOK); });  // unchanged: the 9:00 start stands
  clock.Set(10, 15, 0);
  AutoTick();
  EXPECT_TRUE(Visible());
  Send(CmdHideFader);

  clock.Set(10, 16, 0);
  WithDialog([&](HWND dialog) {
    SetField(dialog, IDC_INTERVAL, L"30");
    Press(dialog, IDOK);
  });
  clock.Set(10, 30, 0);  // only 14 minutes since the restart
  AutoTick();
  EXPECT_FALSE(Visible());
  clock.Set(11, 0, 0);
  AutoTick();
  EXPECT_TRUE(Visible());
}

TEST_F(OptionsDialogTest, AChangedIntervalLeavesAutomaticFadingOff) {
  Send(CmdAutoFade);
  WithDialog([&](HWND dialog) {
    SetField(dialog, IDC_INTERVAL, L"30");
    Press(dialog, IDOK);
  });
  EXPECT_FALSE(window.AutoFadeOn());
  EXPECT_EQ(30, FaderSettings::Instance().autoFadeInterval);
}

// The new box next in the tab order and reached by Alt+H. (Its layout: every language's test.)
TEST_F(OptionsDialogTest, TheDialogReadsInOrderAndItsNewControlsHaveMnemonics) {
  WithDialog([&](HWND dialog) {
    // Reading order: the text size, both lists, both boxes.
    HWND tab = GetDlgItem(dialog, IDC_TEXT_SIZE);
    for (int id : {IDC_SHOW_ON, IDC_CLOCK, IDC_AUTO_BLOCK, IDC_HIDE_FROM_CAPTURE}) {
      tab = GetNextDlgTabItem(dialog, tab, FALSE);
      EXPECT_EQ(GetDlgItem(dialog, id), tab) << id;
    }
    for (const auto& [key, id] : {std::pair<WPARAM, int>{'o', IDC_SHOW_ON}, {'l', IDC_CLOCK}}) {
      MSG alt{dialog, WM_SYSCHAR, key, LPARAM(1) << 29};
      EXPECT_TRUE(IsDialogMessageW(dialog, &alt));
      EXPECT_EQ(GetDlgItem(dialog, id), GetFocus()) << char(key);
    }
    MSG alt{dialog, WM_SYSCHAR, 'h', LPARAM(1) << 29};
    EXPECT_TRUE(IsDialogMessageW(dialog, &alt));
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_HIDE_FROM_CAPTURE));
    Press(dialog, IDOK);
  });
  ASSERT_NE(nullptr, opened);
  EXPECT_FALSE(FaderSettings::Instance().hideFromCapture);
}

namespace {

SYSTEMTIME TimeOfDay(WORD hour, WORD minute) { return {2026, 1, 4, 1, hour, minute, 0, 0}; }

}  // namespace

// The week in the user's order (this prefix's calendar starts on Sunday), each day by its short
// name; the times in the picker; a box that switches the rest on; Reset puts the default back.
TEST_F(OptionsDialogTest, WorkingHoursAreEditedInTheUsersWeekAndReadBack) {
  FaderSettings& settings = FaderSettings::Instance();
  settings.workingHours = {true, 0x02, 8 * 60, 17 * 60};  // Mondays
  WithDialog([&](HWND dialog) {
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_WORKING_HOURS));
    wchar_t first[32] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SABBREVDAYNAME7, first, 32);
    EXPECT_EQ(first, Field(dialog, IDC_DAY_1));
    std::vector<std::wstring> names;
    for (int id = IDC_DAY_1; id < IDC_DAY_1 + 7; ++id) names.push_back(Field(dialog, id));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names.end(), std::adjacent_find(names.begin(), names.end()));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_DAY_1 + 1));  // Monday, after Sunday
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_DAY_1));
    SYSTEMTIME shown{};
    SendDlgItemMessageW(dialog, IDC_WORK_TO, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown));
    EXPECT_EQ(17, shown.wHour);

    SendDlgItemMessageW(dialog, IDC_WORKING_HOURS, BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_DAY_1)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_WORK_FROM)));
    Press(dialog, IDC_RESET_DEFAULTS);
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_WORKING_HOURS));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_DAY_1 + 5));  // Friday
    EXPECT_EQ(BST_UNCHECKED, IsDlgButtonChecked(dialog, IDC_DAY_1 + 6));

    // A night shift on Sundays.
    SendDlgItemMessageW(dialog, IDC_WORKING_HOURS, BM_CLICK, 0, 0);
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dialog, IDC_WORK_TO)));
    for (int id = IDC_DAY_1; id < IDC_DAY_1 + 7; ++id) CheckDlgButton(dialog, id, id == IDC_DAY_1 ? BST_CHECKED : BST_UNCHECKED);
    SYSTEMTIME from = TimeOfDay(22, 0), to = TimeOfDay(6, 30);
    SendDlgItemMessageW(dialog, IDC_WORK_FROM, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&from));
    SendDlgItemMessageW(dialog, IDC_WORK_TO, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&to));
    Press(dialog, IDOK);
  });
  EXPECT_EQ((WorkingHours{true, 0x01, 22 * 60, 6 * 60 + 30}), settings.workingHours);
}

namespace {

int triedChimes = 0;
void CountTriedChime() { ++triedChimes; }
bool NoVoice(const std::wstring&) { return false; }

}  // namespace

// The sound is chosen and tried in the dialog; where no voice speaks, it says the chime plays;
// a fade neither seen nor heard is refused, and Reset brings back the silent, shown default.
TEST_F(OptionsDialogTest, TheSoundIsChosenTriedAndAFadeNeitherSeenNorHeardIsRefused) {
  triedChimes = 0;
  const ChimeFunction previousChime = SetChimeFunction(CountTriedChime);
  const SpeakFunction previousSpeak = SetSpeakFunction(NoVoice);
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
    const auto choose = [&](FaderSound sound) {
      SendDlgItemMessageW(dialog, IDC_SOUND, CB_SETCURSEL, WPARAM(sound), 0);
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SOUND, CBN_SELCHANGE), LPARAM(GetDlgItem(dialog, IDC_SOUND)));
    };
    if (step++ == 0) {
      EXPECT_EQ(3, SendDlgItemMessageW(dialog, IDC_SOUND, CB_GETCOUNT, 0, 0));
      EXPECT_EQ(0, SendDlgItemMessageW(dialog, IDC_SOUND, CB_GETCURSEL, 0, 0));
      EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dialog, IDC_TRY_SOUND))) << "nothing to try";
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_NO_VOICE)));
      EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_SHOW_FADER));
      choose(FaderSound::Chime);
      Press(dialog, IDC_TRY_SOUND);
      EXPECT_EQ(1, triedChimes);
      EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_NO_VOICE)));
      choose(FaderSound::Speak);
      EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_NO_VOICE)));
      Press(dialog, IDC_TRY_SOUND);
      EXPECT_EQ(2, triedChimes) << "the chime in place of the voice";
      choose(FaderSound::None);
      CheckDlgButton(dialog, IDC_SHOW_FADER, BST_UNCHECKED);
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
      return false;
    }
    if (refusal.empty()) return false;
    stayedOpen = true;
    EXPECT_EQ(GetDlgItem(dialog, IDC_SHOW_FADER), GetFocus());
    Press(dialog, IDC_RESET_DEFAULTS);
    EXPECT_EQ(0, SendDlgItemMessageW(dialog, IDC_SOUND, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(dialog, IDC_SHOW_FADER));
    choose(FaderSound::Chime);
    CheckDlgButton(dialog, IDC_SHOW_FADER, BST_UNCHECKED);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return true;
  });
  Send(CmdOptions);
  SetChimeFunction(previousChime);
  SetSpeakFunction(previousSpeak);
  EXPECT_TRUE(stayedOpen) << "a fade neither seen nor heard was taken";
  EXPECT_NE(std::wstring::npos, refusal.find(L"sound")) << refusal;
  EXPECT_EQ(FaderSound::Chime, FaderSettings::Instance().sound);
  EXPECT_FALSE(FaderSettings::Instance().showFader);
}
