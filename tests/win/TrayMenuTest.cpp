// The popup menu as the tray's right click opens it, read in this process while it is open.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/win/MainWindowFixture.h"

namespace {

struct Item {
  std::wstring text;  // empty for a separator
  UINT id;
  bool checked;
  bool grayed;
  std::vector<std::wstring> submenu;
};

std::vector<Item> shownItems;
bool menuSeen = false;
WPARAM chooseKey = 0;  // a mnemonic to press in the open menu; 0 dismisses it

LRESULT CALLBACK CatchMenu(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR) {
  if (message == WM_ENTERIDLE && wParam == MSGF_MENU && !menuSeen) {
    menuSeen = true;
    const auto menu = reinterpret_cast<HMENU>(
        SendMessageW(reinterpret_cast<HWND>(lParam), MN_GETHMENU, 0, 0));
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      wchar_t text[64] = {};
      MENUITEMINFOW info{};
      info.cbSize = sizeof(info);
      info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE | MIIM_SUBMENU;
      info.dwTypeData = text;
      info.cch = 64;
      GetMenuItemInfoW(menu, UINT(i), TRUE, &info);
      std::vector<std::wstring> submenu;
      for (int j = 0; info.hSubMenu && j < GetMenuItemCount(info.hSubMenu); ++j) {
        wchar_t subText[64] = {};
        GetMenuStringW(info.hSubMenu, UINT(j), subText, 64, MF_BYPOSITION);
        submenu.push_back(subText);
      }
      shownItems.push_back({text, info.wID, (info.fState & MFS_CHECKED) != 0, (info.fState & MFS_GRAYED) != 0,
                            submenu});
    }
    if (chooseKey) {
      PostMessageW(reinterpret_cast<HWND>(lParam), WM_KEYDOWN, chooseKey, 0);
    } else {
      EndMenu();
    }
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

class TrayMenuTest : public MainWindowTest {
 protected:
  std::vector<Item> OpenMenu(WPARAM key = 0) {
    PumpMessages();  // the previous menu's closing messages
    shownItems.clear();
    menuSeen = false;
    chooseKey = key;
    const HWND owner = window.Tray().MenuOwner();
    SetWindowSubclass(owner, CatchMenu, 1, 0);
    SendMessageW(hwnd, window.Tray().CallbackMessage(), MenuTray, WM_RBUTTONUP);
    RemoveWindowSubclass(owner, CatchMenu, 1);
    PumpMessages();  // the chosen command, posted to the main window
    return shownItems;
  }
};

TEST_F(TrayMenuTest, HiddenFaderOffersShowAndACheckedAutoFade) {
  const std::vector<Item> items = OpenMenu();
  ASSERT_EQ(10u, items.size());
  const wchar_t* texts[] = {L"&Show Fader", L"", L"&Auto Fade", L"&Pause Auto Fade", L"&Options...",
                            L"", L"&Website", L"A&bout Dusklamp", L"", L"E&xit"};
  for (size_t i = 0; i < items.size(); ++i) EXPECT_EQ(texts[i], items[i].text) << i;
  EXPECT_TRUE(items[2].checked);
  const std::vector<std::wstring> pauses = {L"For &30 minutes", L"For &1 hour", L"For &2 hours",
                                            L"Until &tomorrow"};
  EXPECT_EQ(pauses, items[3].submenu);
  EXPECT_EQ(CmdExit, items[9].id);
}

TEST_F(TrayMenuTest, ShownFaderOffersHideAndTheMenuIsLoadedAfreshEachTime) {
  Send(CmdShowFader);
  Send(CmdAutoFade);  // also hides
  Send(CmdShowFader);
  std::vector<Item> items = OpenMenu();
  ASSERT_EQ(10u, items.size());
  EXPECT_EQ(L"&Hide Fader", items[0].text);
  EXPECT_FALSE(items[2].checked);
  EXPECT_TRUE(items[3].grayed) << "automatic fading is off: nothing to pause";
  Send(CmdHideFader);
  Send(CmdAutoFade);
  items = OpenMenu();
  ASSERT_EQ(10u, items.size());
  EXPECT_EQ(L"&Show Fader", items[0].text);
  EXPECT_TRUE(items[2].checked);
  EXPECT_FALSE(items[3].grayed);
  Send(CmdPause1Hour);  // paused, another length can be chosen
  items = OpenMenu();
  ASSERT_EQ(10u, items.size());
  EXPECT_FALSE(items[3].grayed);
}

TEST_F(TrayMenuTest, RightButtonDownOpensNothing) {
  shownItems.clear();
  menuSeen = false;
  SetWindowSubclass(window.Tray().MenuOwner(), CatchMenu, 1, 0);
  SendMessageW(hwnd, window.Tray().CallbackMessage(), MenuTray, WM_RBUTTONDOWN);
  RemoveWindowSubclass(window.Tray().MenuOwner(), CatchMenu, 1);
  EXPECT_FALSE(menuSeen);
}

namespace {

// A window of the user's, made the foreground window, as a text editor would be.
struct UserWindow {
  HWND window = ForegroundWindowAt({40, 40, 340, 240});
  ~UserWindow() { DestroyWindow(window); }
};

}  // namespace

TEST_F(TrayMenuTest, AMenuDismissedOverTheShownFaderLeavesTheForegroundWithTheUser) {
  const UserWindow user;
  ASSERT_EQ(user.window, GetForegroundWindow());
  Send(CmdShowFader);
  OpenMenu();
  ASSERT_TRUE(menuSeen);
  PumpMessages();
  EXPECT_EQ(user.window, GetForegroundWindow());
  EXPECT_TRUE(Visible());
}

TEST_F(TrayMenuTest, ADialogChosenOverTheShownFaderGivesTheForegroundBackWhenClosed) {
  const UserWindow user;
  Send(CmdShowFader);
  HWND about = nullptr, owner = nullptr;
  WhenModal([&] {
    about = FindThreadDialog(L"About Dusklamp");
    if (!about) return false;
    owner = GetWindow(about, GW_OWNER);
    SendMessageW(about, WM_COMMAND, IDOK, 0);
    return true;
  });
  OpenMenu('B');  // A&bout Dusklamp
  ASSERT_TRUE(PumpUntil([&] { return about != nullptr && !IsWindow(about); }));
  EXPECT_EQ(hwnd, owner);  // owned, so no taskbar button
  PumpMessages();
  EXPECT_EQ(user.window, GetForegroundWindow());
}

TEST_F(TrayMenuTest, AfterAMenuDismissedWhileHiddenTheNextFadesStillCome) {
  FakeClock clock;
  clock.Set(9, 0, 0);
  window.StartAutoFade();
  Send(CmdShowFader);  // the hidden window keeps the work area it last covered
  Send(CmdHideFader);
  OpenMenu();
  PumpMessages();
  EXPECT_FALSE(window.IsFullScreenAppRunning());
  clock.Set(9, 15, 0);
  AutoTick();
  EXPECT_TRUE(Visible());
  Send(CmdHideFader);
  OpenMenu();
  Send(CmdToggleShow);
  EXPECT_TRUE(Visible());
}
