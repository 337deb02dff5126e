// The Options and About dialogs of the running program, found by their captions and worked
// from outside.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <utility>

#include "res/resource.h"
#include "tests/e2e/ChimeSamples.h"
#include "tests/e2e/Harness.h"
#include "ui/about/AboutIds.h"
#include "ui/options/OptionsIds.h"

namespace {

HWND OpenDialog(const Dusklamp& app, UINT command, const wchar_t* caption) {
  app.Command(command);
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = FindProcessWindow(app.ProcessId(), L"#32770", caption)) != nullptr; });
  return dialog;
}

std::wstring Text(HWND dialog, int id) {
  wchar_t text[256] = {};
  GetDlgItemTextW(dialog, id, text, 256);
  return text;
}

int CountWindows(DWORD processId, const wchar_t* caption) {
  struct Count {
    DWORD processId;
    const wchar_t* caption;
    int found;
  } count{processId, caption, 0};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& c = *reinterpret_cast<Count*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        wchar_t text[128] = {};
        GetWindowTextW(window, text, 128);
        if (owner == c.processId && wcscmp(text, c.caption) == 0 && IsWindowVisible(window)) ++c.found;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count.found;
}

void Close(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, id, 0); }

}  // namespace

TEST(Dialogs, OptionsShowTheSettingsAndOkSavesWhatWasTyped) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  HWND dialog = OpenDialog(app, CMD_OPTIONS, L"Dusklamp Options");
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(L"15", Text(dialog, IDC_INTERVAL));
  EXPECT_EQ(L"20", Text(dialog, IDC_DURATION));
  EXPECT_EQ(L"70", Text(dialog, IDC_OPACITY));
  EXPECT_EQ(L"250", Text(dialog, IDC_TEXT_SIZE));
  EXPECT_EQ(BST_CHECKED, SendDlgItemMessageW(dialog, IDC_AUTO_BLOCK, BM_GETCHECK, 0, 0));
  UpdateWindow(dialog);  // painted before the picture is taken
  const std::wstring shot = SaveScreenshot(L"options");
  EXPECT_FALSE(ReadFileBytes(shot).empty());

  // A second start while the dialog is open only brings it forward.
  EXPECT_EQ(0u, app.StartSecondCopy());
  EXPECT_FALSE(app.FaderVisible());
  EXPECT_EQ(1, CountWindows(app.ProcessId(), L"Dusklamp Options"));
  app.Command(CMD_OPTIONS);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(1, CountWindows(app.ProcessId(), L"Dusklamp Options"));

  const HWND interval = GetDlgItem(dialog, IDC_INTERVAL);
  SendMessageW(interval, EM_SETSEL, 0, -1);
  for (wchar_t c : std::wstring(L"3x0")) PostMessageW(interval, WM_CHAR, c, 1);  // x is refused
  Close(dialog, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  // Saved once the dialog has gone.
  EXPECT_TRUE(WaitUntil([&] {
    return ReadFileBytes(app.SettingsPath()).find("auto_fade_interval=\"30\"") != std::string::npos;
  }));

  const std::string saved = ReadFileBytes(app.SettingsPath());
  dialog = OpenDialog(app, CMD_OPTIONS, L"Dusklamp Options");
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(L"30", Text(dialog, IDC_INTERVAL));
  PostMessageW(dialog, WM_COMMAND, IDC_RESET_DEFAULTS, 0);
  ASSERT_TRUE(WaitUntil([&] { return Text(dialog, IDC_INTERVAL) == L"15"; }));
  Close(dialog, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(saved, ReadFileBytes(app.SettingsPath()));
  EXPECT_EQ(1u, app.Exit());
}

TEST(Dialogs, AboutShowsTheVersionFromTheResourceAndOpensOnlyOnce) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  const HWND dialog = OpenDialog(app, CMD_ABOUT, L"About Dusklamp");
  ASSERT_NE(nullptr, dialog);
  EXPECT_EQ(L"Version 2.4.0  (Build 59)", Text(dialog, IDC_VERSION_TEXT));
  EXPECT_EQ(L"http://www.quillane.example", Text(dialog, IDC_WEBSITE_LINK));
  app.Command(CMD_ABOUT);
  app.Command(CMD_OPTIONS);  // handled after the About command: its dialog marks the point
  HWND options = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (options = FindProcessWindow(app.ProcessId(), L"#32770", L"Dusklamp Options")) != nullptr; }));
  EXPECT_EQ(1, CountWindows(app.ProcessId(), L"About Dusklamp"));
  Close(options, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(options); }));
  UpdateWindow(dialog);
  SaveScreenshot(L"about");
  Close(dialog, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(1u, app.Exit());
}

// A key another program holds: OK says so, names the key, and keeps the dialog and the file.
TEST(Dialogs, OptionsRefuseAKeyAnotherProgramHolds) {
  ASSERT_TRUE(RegisterHotKey(nullptr, 7, MOD_CONTROL | MOD_ALT, 'K')) << "this test's own key";
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  const HWND dialog = OpenDialog(app, CMD_OPTIONS, L"Dusklamp Options");
  ASSERT_NE(nullptr, dialog);
  SendDlgItemMessageW(dialog, IDC_SHOW_KEY, HKM_SETHOTKEY, MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
  Close(dialog, IDOK);
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (box = FindProcessWindow(app.ProcessId(), L"#32770", L"Dusklamp")) != nullptr; }))
      << "no message";
  const std::wstring message = Text(box, 0xFFFF);
  EXPECT_NE(std::wstring::npos, message.find(L"K is in use")) << message;
  Close(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
  EXPECT_TRUE(IsWindowVisible(dialog));
  Close(dialog, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  UnregisterHotKey(nullptr, 7);
  EXPECT_EQ(1u, app.Exit());
  EXPECT_NE(std::string::npos, ReadFileBytes(app.SettingsPath()).find("show_key=\"\"")) << "the key was saved";
}

// Where no voice speaks, as in this Wine, the dialog says so, and Try plays the chime instead.
TEST(Dialogs, WithoutAVoiceTheSpokenTimeIsTheChime) {
  const std::string chime = ChimeSamples();
  ASSERT_FALSE(chime.empty());
  const Hearing hearing;
  Dusklamp app;
  ASSERT_TRUE(app.StartUnderWine(hearing.Variables(), app.Folder() + L"\\wine.txt"));
  const HWND dialog = OpenDialog(app, CMD_OPTIONS, L"Dusklamp Options");
  ASSERT_NE(nullptr, dialog);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, IDC_NO_VOICE)));
  SendDlgItemMessageW(dialog, IDC_SOUND, CB_SETCURSEL, 2, 0);
  SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_SOUND, CBN_SELCHANGE), LPARAM(GetDlgItem(dialog, IDC_SOUND)));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_NO_VOICE)));
  EXPECT_EQ(L"No voice is installed; the chime plays instead", Text(dialog, IDC_NO_VOICE));
  PostMessageW(dialog, WM_COMMAND, IDC_TRY_SOUND, 0);
  EXPECT_TRUE(WaitUntil([&] { return hearing.Heard() == chime; })) << hearing.Heard().size() << " bytes heard";
  Close(dialog, IDCANCEL);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
  EXPECT_EQ(1u, app.Exit());
}

// Windows' display language, which Wine takes from the Unix environment, is the program's from
// the start; a language the settings name wins over it.
TEST(Dialogs, TheyAreInWindowsLanguageUnlessTheSettingsNameAnother) {
  const std::pair<const char*, const wchar_t*> starts[] = {{nullptr, L"Dusklamp-Optionen"},
                                                           {"ja", L"Dusklamp \u306e\u30aa\u30d7\u30b7\u30e7\u30f3"}};
  for (const auto& [language, caption] : starts) {
    Dusklamp app;
    if (language) {
      WriteFileBytes(app.SettingsPath(), std::string("<?xml version=\"1.0\" ?><DusklampSettings version=\"1.0\" "
                                                     "xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">"
                                                     "<Options><Fader language=\"") + language + "\" /></Options></DusklampSettings>");
    }
    ASSERT_TRUE(app.StartUnderWine(L"LC_ALL=de_DE.UTF-8", app.Folder() + L"\\wine.txt"));
    const HWND dialog = OpenDialog(app, CMD_OPTIONS, caption);
    EXPECT_NE(nullptr, dialog) << testing::PrintToString(std::wstring(caption));
    if (dialog) Close(dialog, IDCANCEL);
    EXPECT_EQ(1u, app.Exit());
  }
}
