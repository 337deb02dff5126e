// The main window's creation, commands, tray behaviour and fade engine, on the real window.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "tests/win/MainWindowFixture.h"
#include "ui/main/Commands.h"

TEST_F(MainWindowTest, TimerIdsComeFromTheCounterInConstructionOrder) {
  EXPECT_EQ(500601u, window.AutoTimerId());
  EXPECT_EQ(500602u, window.FadeTimerId());
}

TEST_F(MainWindowTest, CreationAddsTheIconAndSwitchesAutomaticFadingOn) {
  EXPECT_TRUE(window.Tray().IsAdded());
  EXPECT_EQ(IconAutoFadeOn, Icon());
  EXPECT_TRUE(window.AutoFadeOn());
  EXPECT_FALSE(window.FadeRunning());
  EXPECT_FALSE(Visible());
  EXPECT_EQ(255, Alpha());
  EXPECT_EQ(100, window.OpacityPercent());
}

TEST_F(MainWindowTest, DefaultFadeFollowsTheCurveThroughTheTimerMessages) {
  Send(CmdToggleShow);
  ASSERT_TRUE(Visible());
  EXPECT_EQ(2, Alpha());
  EXPECT_EQ(IconMain, Icon());
  std::vector<int> alpha{Alpha()};
  int hiddenAt = 0;
  for (int step = 1; step <= 250 && !hiddenAt; ++step) {
    FadeStep();
    if (!Visible()) hiddenAt = step;
    alpha.push_back(Alpha());
  }
  EXPECT_EQ(201, hiddenAt);
  EXPECT_EQ(2, alpha[1]);
  EXPECT_EQ(5, alpha[2]);
  EXPECT_EQ(178, alpha[100]);
  EXPECT_EQ(178, alpha[160]);
  EXPECT_EQ(175, alpha[161]);
  EXPECT_EQ(2, alpha[200]);
  EXPECT_EQ(2, alpha[201]);  // hiding keeps the last alpha
  EXPECT_EQ(20100, window.FadeElapsedMs());
  EXPECT_FALSE(window.FadeRunning());
  EXPECT_EQ(IconAutoFadeOn, Icon());
}

TEST_F(MainWindowTest, EveryShowStartsAtOnePercentOnTheWorkArea) {
  MoveWindow(hwnd, 5, 5, 50, 50, FALSE);
  Send(CmdShowFader);
  RECT work{}, rect{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(hwnd, &rect);
  EXPECT_TRUE(EqualRect(&work, &rect));
  for (int step = 0; step < 60; ++step) FadeStep();
  const int reached = Alpha();
  EXPECT_GT(reached, 50);
  Send(CmdHideFader);
  EXPECT_FALSE(Visible());
  EXPECT_EQ(reached, Alpha());
  Send(CmdShowFader);
  EXPECT_EQ(2, Alpha());
  EXPECT_EQ(1, window.OpacityPercent());
  EXPECT_EQ(0, window.FadeElapsedMs());
}

TEST_F(MainWindowTest, ShowAndHideCommandsOnlyActWhenTheyChangeSomething) {
  Send(CmdHideFader);
  EXPECT_FALSE(Visible());
  Send(CmdShowFader);
  FadeStep();
  FadeStep();
  Send(CmdShowFader);  // a running fade is not restarted
  EXPECT_EQ(200, window.FadeElapsedMs());
  Tick(12345);  // a foreign timer id changes nothing
  EXPECT_EQ(200, window.FadeElapsedMs());
  Send(CmdToggleShow);
  EXPECT_FALSE(Visible());
}

TEST_F(MainWindowTest, SetOpacityClampsToAWholePercent) {
  EXPECT_TRUE(window.SetOpacity(-5));
  EXPECT_EQ(0, window.OpacityPercent());
  EXPECT_EQ(0, Alpha());
  window.SetOpacity(150);
  EXPECT_EQ(100, window.OpacityPercent());
  EXPECT_EQ(255, Alpha());
  window.SetOpacity(50);
  EXPECT_EQ(127, Alpha());
}

TEST_F(MainWindowTest, AutoFadeCommandHidesTheFaderAndFollowsWithTheIcon) {
  Send(CmdShowFader);
  Send(CmdAutoFade);
  EXPECT_FALSE(Visible());
  EXPECT_FALSE(window.AutoFadeOn());
  EXPECT_EQ(IconAutoFadeOff, Icon());
  Send(CmdShowFader);
  EXPECT_EQ(IconMain, Icon());
  Send(CmdAutoFade);  // on while a fade runs: the icon stays until the hide
  EXPECT_TRUE(window.AutoFadeOn());
  EXPECT_EQ(IconMain, Icon());
  Send(CmdHideFader);
  EXPECT_EQ(IconAutoFadeOn, Icon());
  Send(CmdAutoFade);
  Send(CmdAutoFade);
  EXPECT_EQ(IconAutoFadeOn, Icon());
}

TEST_F(MainWindowTest, TrayCallbackTogglesOnAPressOnly) {
  const UINT trayMessage = window.Tray().CallbackMessage();
  EXPECT_EQ(0, SendMessageW(hwnd, trayMessage, MenuTray, WM_LBUTTONDBLCLK));
  EXPECT_EQ(0, SendMessageW(hwnd, trayMessage, 999, WM_LBUTTONDOWN));
  PumpMessages();
  EXPECT_FALSE(Visible());
  SendMessageW(hwnd, trayMessage, MenuTray, WM_LBUTTONDOWN);
  EXPECT_FALSE(Visible());  // posted, carried out by the message loop
  EXPECT_TRUE(PumpUntil([&] { return Visible(); }));
}

TEST_F(MainWindowTest, TaskbarRestartPutsTheIconBack) {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V2_SIZE;
  record.hWnd = hwnd;
  record.uID = MenuTray;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &record));  // the shell forgot it
  Send(CmdShowFader);
  SendMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(window.Tray().IsAdded());
  EXPECT_EQ(IconMain, Icon());
  EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &record));  // known to the shell again
  SendMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);  // still there: refreshed
  EXPECT_TRUE(window.Tray().IsAdded());
}

TEST_F(MainWindowTest, DestroyStopsTimersRemovesTheIconAndQuitsWithOne) {
  Send(CmdShowFader);
  DestroyWindow(hwnd);
  EXPECT_FALSE(window.AutoFadeOn());
  EXPECT_FALSE(window.FadeRunning());
  EXPECT_FALSE(window.Tray().IsAdded());
  EXPECT_EQ(nullptr, window.hwnd());
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(1u, msg.wParam);
}

namespace {
int moves = 0;
LRESULT CALLBACK CountMoves(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (message == WM_WINDOWPOSCHANGING) {
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (!(position->flags & SWP_NOMOVE) || !(position->flags & SWP_NOSIZE)) ++moves;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
}  // namespace

TEST_F(MainWindowTest, AShowOnAnUnchangedWorkAreaDoesNotMoveTheWindow) {
  Send(CmdShowFader);  // the first show places it
  Send(CmdHideFader);
  moves = 0;
  SetWindowSubclass(hwnd, CountMoves, 1, 0);
  Send(CmdShowFader);
  RemoveWindowSubclass(hwnd, CountMoves, 1);
  EXPECT_TRUE(Visible());
  EXPECT_EQ(0, moves);
}
