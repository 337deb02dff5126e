// The full-screen block, measured against a real foreground window of this process.
#include "tests/win/MainWindowFixture.h"

namespace {

RECT PrimaryMonitor() {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcMonitor;
}

}  // namespace

TEST_F(MainWindowTest, FullScreenForegroundProgramBlocksShowsWhileBlockingIsOn) {
  const RECT monitor = PrimaryMonitor();
  const HWND game = ForegroundWindowAt({monitor.left - 4, monitor.top - 4, monitor.right + 4, monitor.bottom + 4});
  ASSERT_EQ(game, GetForegroundWindow());
  EXPECT_TRUE(window.IsFullScreenAppRunning());
  Send(CmdToggleShow);
  EXPECT_FALSE(Visible());
  EXPECT_EQ(IconAutoFadeOn, Icon());  // nothing changes, not even the icon
  FaderSettings::Instance().autoBlock = false;
  Send(CmdShowFader);
  EXPECT_TRUE(Visible());
  FaderSettings::Instance().autoBlock = true;
  Send(CmdToggleShow);  // hiding is never blocked
  EXPECT_FALSE(Visible());
  DestroyWindow(game);
}

TEST_F(MainWindowTest, AWindowLeavingAStripUncoveredDoesNotBlock) {
  const RECT monitor = PrimaryMonitor();
  const HWND window2 = ForegroundWindowAt({monitor.left, monitor.top, monitor.right, monitor.bottom - 40});
  ASSERT_EQ(window2, GetForegroundWindow());
  EXPECT_FALSE(window.IsFullScreenAppRunning());
  Send(CmdToggleShow);
  EXPECT_TRUE(Visible());
  DestroyWindow(window2);
}

TEST_F(MainWindowTest, TheDesktopInTheForegroundDoesNotBlock) {
  SetForegroundWindow(GetDesktopWindow());
  PumpMessages();
  EXPECT_FALSE(window.IsFullScreenAppRunning());
}

TEST_F(MainWindowTest, TheProgramsOwnWindowsNeverCountAsFullScreen) {
  const RECT monitor = PrimaryMonitor();
  MoveWindow(hwnd, monitor.left, monitor.top, monitor.right - monitor.left,
             monitor.bottom - monitor.top, FALSE);
  SetForegroundWindow(hwnd);  // hidden, as after a tray menu
  PumpMessages();
  ASSERT_EQ(hwnd, GetForegroundWindow());
  EXPECT_FALSE(window.IsFullScreenAppRunning());
  Send(CmdShowFader);
  EXPECT_TRUE(Visible());
}

TEST_F(MainWindowTest, AnInvisibleWindowInTheForegroundIsNoFullScreenProgram) {
  const RECT monitor = PrimaryMonitor();
  const HWND game = ForegroundWindowAt(monitor);
  SetWindowLongPtrW(game, GWL_STYLE, GetWindowLongPtrW(game, GWL_STYLE) & ~WS_VISIBLE);
  PumpMessages();
  ASSERT_EQ(game, GetForegroundWindow());
  EXPECT_FALSE(window.IsFullScreenAppRunning());
  DestroyWindow(game);
}

// Its rectangle covers a monitor whose work area is all of it (an auto-hiding taskbar), but the
// user sees its title bar: an editor or a browser to work in, not a game or a film.
TEST_F(MainWindowTest, AMaximizedWindowWithACaptionIsNoFullScreenProgram) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  const HWND editor = MaximizedWindowOver(info.rcMonitor);
  SetForegroundWindow(editor);
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == editor; }, 2000));
  RECT rect{};
  GetWindowRect(editor, &rect);
  ASSERT_TRUE(IsZoomed(editor) && rect.left < info.rcMonitor.left && rect.bottom > info.rcMonitor.bottom)
      << IsZoomed(editor) << " " << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom;
  EXPECT_FALSE(window.IsFullScreenAppRunning());
  SetWindowLongPtrW(editor, GWL_STYLE, GetWindowLongPtrW(editor, GWL_STYLE) & ~WS_CAPTION);
  EXPECT_TRUE(window.IsFullScreenAppRunning()) << "without a caption it fills the monitor";
  DestroyWindow(editor);
}
