// Dusklamp on a composited desktop, driven only with real pointer and keyboard input, the real
// notification area and a window of the tests' own beneath the Fader.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "res/resource.h"
#include "tests/desktop/Desktop.h"
#include "tests/e2e/Harness.h"
#include "ui/options/OptionsIds.h"

namespace {

constexpr COLORREF kPaper = RGB(255, 255, 255);
constexpr COLORREF kPatch = RGB(200, 40, 120);

// Asked of the control itself: GetWindowText reads only a caption across processes.
std::wstring TextOf(HWND control) {
  wchar_t text[64] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 64, LPARAM(text), SMTO_ABORTIFHUNG, 5000, &copied);
  return text;
}

std::string SettingsWith(int duration, int maxOpacity, const std::string& more = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
         "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
         "<Options><Fader fade_duration=\"" + std::to_string(duration) + "\" max_opacity=\"" +
         std::to_string(maxOpacity) + "\" " + more + " /></Options></DusklampSettings>\n";
}

class Desktop : public testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(app.SettingsPath(), SettingsWith(FadeDuration(), 70, MoreSettings()));
    ASSERT_TRUE(app.Start());
    ASSERT_TRUE(PumpUntil([] { return TrayIconWindow() != nullptr; }));
    user.ClickToFocus();  // the user works in their own window
    ASSERT_TRUE(PumpUntil([&] { return user.IsForeground(); }));
  }

  // Waits until the screen shows `expected` at `point`, within a few units per channel.
  bool ScreenShows(POINT point, COLORREF expected, const wchar_t* name) {
    COLORREF seen = CLR_INVALID;
    const bool shown = PumpUntil([&] {
      seen = Screenshot(SaveScreenshot(name)).At(point.x, point.y);
      return ColourDistance(seen, expected) <= 4;
    });
    if (!shown) {
      ADD_FAILURE() << "at " << point.x << "," << point.y << " the screen shows " << std::hex
                    << seen << ", expected " << expected;
    }
    return shown;
  }

  // Long enough that the Fader stays while a test works with it.
  virtual int FadeDuration() const { return 300; }
  virtual std::string MoreSettings() const { return ""; }

  HWND OpenTrayMenu() {
    ClickTrayIcon(3);
    HWND menu = nullptr;
    PumpUntil([&] { return (menu = FindProcessWindow(app.ProcessId(), L"#32768", nullptr)) != nullptr; }, 10000);
    return menu;
  }

  bool MenuClosed() {
    return PumpUntil([&] { return FindProcessWindow(app.ProcessId(), L"#32768", nullptr) == nullptr; });
  }

  HWND WaitForDialog(const wchar_t* caption) {
    HWND dialog = nullptr;
    PumpUntil([&] { return (dialog = FindProcessWindow(app.ProcessId(), L"#32770", caption)) != nullptr; });
    return dialog;
  }

  bool FaderShown(bool shown) {
    return PumpUntil([&] { return app.FaderVisible() == shown; });
  }

  Dusklamp app;
  UserWindow user{{240, 120, 1040, 680}, kPaper, kPatch};
};

// With a key that shows the time.
class KeyDesktop : public Desktop {
 protected:
  std::string MoreSettings() const override { return "show_key=\"ctrl+alt+j\""; }
};

// Fades that reach their hold within seconds and hold it for a few more.
class BlendedDesktop : public Desktop {
 protected:
  int FadeDuration() const override { return 20; }
};

}  // namespace

TEST_F(BlendedDesktop, TheShownFaderIsBlendedWithTheWindowBeneathAtItsOpacity) {
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(PumpUntil([&] { return app.Alpha() == 178; }));  // 70 percent, held
  EXPECT_TRUE(ScreenShows(user.Plain(), Blend(RGB(0, 0, 255), kPaper, 178), L"desktop-fader"));
  app.Command(CMD_HIDE_FADER);
  ASSERT_TRUE(FaderShown(false));

  // Another colour, picked from the screen with the eyedropper, and another opacity, typed.
  app.Command(CMD_OPTIONS);
  const HWND options = WaitForDialog(L"Dusklamp Options");
  ASSERT_NE(nullptr, options);
  GiveXFocus(L"Dusklamp Options");
  ClickAt(CentreOf(GetDlgItem(options, IDC_OPACITY)));
  PressKeys(L"End shift+Home");
  TypeText(L"40");
  EXPECT_TRUE(PumpUntil([&] { return TextOf(GetDlgItem(options, IDC_OPACITY)) == L"40"; }));
  const POINT swatch = CentreOf(GetDlgItem(options, IDC_OVERLAY_COLOR));
  const POINT patch = user.Patch();
  Xdo(L"mousemove " + std::to_wstring(swatch.x) + L" " + std::to_wstring(swatch.y) +
      L" mousedown 1 mousemove " + std::to_wstring(patch.x - 5) + L" " +
      std::to_wstring(patch.y - 5) + L" mousemove " + std::to_wstring(patch.x) + L" " +
      std::to_wstring(patch.y) + L" mouseup 1");
  EXPECT_TRUE(ScreenShows(swatch, kPatch, L"desktop-options-picked"));
  ClickAt(CentreOf(GetDlgItem(options, IDOK)));
  std::string saved;  // written once the dialog has gone
  EXPECT_TRUE(PumpUntil([&] {
    saved = ReadFileBytes(app.SettingsPath());
    return !IsWindow(options) && saved.find("<States>") != std::string::npos;
  }));
  EXPECT_NE(std::string::npos, saved.find("max_opacity=\"40\"")) << saved;
  EXPECT_NE(std::string::npos, saved.find("overlay_color=\"#C82878\"")) << saved;

  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(PumpUntil([&] { return app.Alpha() == 102; }));
  EXPECT_TRUE(ScreenShows(user.Plain(), Blend(kPatch, kPaper, 102), L"desktop-fader-options"));
}

TEST_F(Desktop, RealClicksOnTheShownFaderReachTheWindowBeneath) {
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(FaderShown(true));
  ClickTrayIcon(2);  // the notification area takes the foreground
  ASSERT_TRUE(PumpUntil([&] { return !user.IsForeground(); }));
  const int before = user.Clicks();
  ClickAt(user.Plain());
  EXPECT_TRUE(PumpUntil([&] { return user.Clicks() == before + 1 && user.IsForeground(); }));
  EXPECT_TRUE(app.FaderVisible());
}

TEST_F(Desktop, TheTrayIconAndItsMenuAnswerRealClicks) {
  ClickTrayIcon();
  EXPECT_TRUE(FaderShown(true));
  ClickTrayIcon();
  EXPECT_TRUE(FaderShown(false));

  HWND menu = OpenTrayMenu();
  ASSERT_NE(nullptr, menu);
  ClickAt(MenuItemPoint(menu, 0));  // Show Fader
  EXPECT_TRUE(FaderShown(true));
  menu = OpenTrayMenu();
  SaveScreenshot(L"desktop-menu");
  ClickAt(MenuItemPoint(menu, 0));  // Hide Fader
  EXPECT_TRUE(FaderShown(false));

  const POINT icon = TrayIconPoint();
  const COLORREF autoFadeOn = Screenshot(SaveScreenshot(L"desktop-tray-on")).At(icon.x + 5, icon.y + 5);
  ClickAt(MenuItemPoint(OpenTrayMenu(), 2));  // Auto Fade: off, the icon greys out
  EXPECT_TRUE(MenuClosed());
  EXPECT_TRUE(PumpUntil([&] {
    return Screenshot(SaveScreenshot(L"desktop-tray-off")).At(icon.x + 5, icon.y + 5) != autoFadeOn;
  }));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 4));  // Options...
  HWND dialog = WaitForDialog(L"Dusklamp Options");
  ASSERT_NE(nullptr, dialog);
  ClickAt(CentreOf(GetDlgItem(dialog, IDCANCEL)));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 7));  // About Dusklamp
  dialog = WaitForDialog(L"About Dusklamp");
  ASSERT_NE(nullptr, dialog);
  ClickAt(CentreOf(GetDlgItem(dialog, IDOK)));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(dialog); }));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 9));  // Exit
  EXPECT_EQ(1u, app.WaitForExit());
}

// Each right click opens the menu, also over the shown Fader, dismissed by a click beside it or
// used. (While the visible Fader owned the menu, about one in six closed as it opened.)
TEST_F(Desktop, EveryRightClickOverTheShownFaderOpensTheMenu) {
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(FaderShown(true));
  for (int click = 1; click <= 20; ++click) {
    const HWND menu = OpenTrayMenu();
    ASSERT_NE(nullptr, menu) << "right click " << click << " showed no menu";
    ClickAt(click % 2 ? POINT{1200, 760} : MenuItemPoint(menu, 2));  // beside it, or Auto Fade
    ASSERT_TRUE(MenuClosed());
    ASSERT_TRUE(app.Settle());
    if (!app.FaderVisible()) {  // switching automatic fading off hides it
      app.Command(CMD_SHOW_FADER);
      ASSERT_TRUE(FaderShown(true));
    }
  }
}

// Under Wine the keyboard follows the X focus, which nothing moves on a bare X server when the
// foreground changes between programs; the tests move it as a window manager would, once the
// user's window is the foreground window again and holds the keyboard focus.
TEST_F(Desktop, TheUserKeepsTheKeyboardThroughTheFaderItsMenuAndItsDialogs) {
  app.Command(CMD_SHOW_FADER);  // as an automatic fade comes
  ASSERT_TRUE(FaderShown(true));
  TypeText(L"a");
  EXPECT_TRUE(PumpUntil([&] { return user.Typed() == L"a"; }));

  // Dismissed by a click beside it, on the desktop under the Fader: the menu takes that click.
  ASSERT_NE(nullptr, OpenTrayMenu());
  ClickAt({1200, 760});
  ASSERT_TRUE(MenuClosed());
  EXPECT_TRUE(PumpUntil([&] { return user.HasKeyboard(); }));
  GiveXFocus(L"UserWork");
  TypeText(L"b");
  EXPECT_TRUE(PumpUntil([&] { return user.Typed() == L"ab"; }));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 7));  // About Dusklamp
  const HWND about = WaitForDialog(L"About Dusklamp");
  ASSERT_NE(nullptr, about);
  ClickAt(CentreOf(GetDlgItem(about, IDOK)));
  ASSERT_TRUE(PumpUntil([&] { return !IsWindow(about); }));
  EXPECT_TRUE(PumpUntil([&] { return user.HasKeyboard(); }));
  GiveXFocus(L"UserWork");
  TypeText(L"c");
  EXPECT_TRUE(PumpUntil([&] { return user.Typed() == L"abc"; }));
  EXPECT_TRUE(app.FaderVisible());
}

// Under Wine on a bare X server a menu whose owner is hidden gets no keyboard (the X focus stays
// with the notification area), so here the menu is used with the pointer.
TEST_F(Desktop, AfterTheMenuWasUsedWhileHiddenTheNextShowsComeOnThisWorkArea) {
  app.Command(CMD_SHOW_FADER);  // the hidden window keeps the work area it last covered
  ASSERT_TRUE(FaderShown(true));
  app.Command(CMD_HIDE_FADER);
  ASSERT_TRUE(FaderShown(false));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 2));  // Auto Fade: off
  ASSERT_TRUE(MenuClosed());
  ClickAt(MenuItemPoint(OpenTrayMenu(), 0));  // Show Fader
  EXPECT_TRUE(FaderShown(true));
  app.Command(CMD_HIDE_FADER);
  ASSERT_TRUE(FaderShown(false));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 2));  // Auto Fade: on
  ASSERT_TRUE(MenuClosed());
  EXPECT_EQ(0u, app.StartSecondCopy());
  EXPECT_TRUE(FaderShown(true));
}

namespace {

// The submenu a click opened beside the tray menu: the process's other menu window.
HWND OtherMenuWindow(DWORD processId, HWND menu) {
  struct Search {
    DWORD processId;
    HWND menu, found;
  } search{processId, menu, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        wchar_t name[16] = {};
        GetClassNameW(window, name, 16);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s.processId && window != s.menu && wcscmp(name, L"#32768") == 0 &&
            IsWindowVisible(window)) {
          s.found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

TEST_F(Desktop, APauseIsChosenInTheRealSubmenuAndAutoFadeEndsIt) {
  const POINT icon = TrayIconPoint();
  const auto iconColour = [&](const wchar_t* name) {
    return Screenshot(SaveScreenshot(name)).At(icon.x + 5, icon.y + 5);
  };
  const COLORREF autoFadeOn = iconColour(L"desktop-pause-before");
  const HWND menu = OpenTrayMenu();
  ASSERT_NE(nullptr, menu);
  ClickAt(MenuItemPoint(menu, 3));  // Pause Auto Fade: its submenu opens
  HWND submenu = nullptr;
  ASSERT_TRUE(PumpUntil([&] { return (submenu = OtherMenuWindow(app.ProcessId(), menu)) != nullptr; }));
  UpdateWindow(submenu);
  SaveScreenshot(L"desktop-pause-menu");
  ClickAt(SubmenuItemPoint(submenu, 0));  // For 30 minutes
  ASSERT_TRUE(MenuClosed());
  EXPECT_TRUE(PumpUntil([&] { return iconColour(L"desktop-paused") != autoFadeOn; }));

  ClickAt(MenuItemPoint(OpenTrayMenu(), 2));  // Auto Fade: on again at once
  ASSERT_TRUE(MenuClosed());
  EXPECT_TRUE(PumpUntil([&] { return iconColour(L"desktop-pause-ended") == autoFadeOn; }));
}

// Pressed in the user's own window, the key shows the Fader and hides it, and the user keeps
// typing there.
TEST_F(KeyDesktop, TheKeyShowsAndHidesTheFaderFromTheUsersWindow) {
  PressKeys(L"ctrl+alt+j");
  EXPECT_TRUE(FaderShown(true)) << "the key showed no Fader";
  PressKeys(L"ctrl+alt+j");
  EXPECT_TRUE(FaderShown(false));
  TypeText(L"k");
  EXPECT_TRUE(PumpUntil([&] { return user.Typed() == L"k"; }));
}
