// Pauses that end by themselves, the shell's report of an audience and leaving the Fader out of
// captures, through the clock, shell and capture seams.
#include <vector>

#include "tests/win/MainWindowFixture.h"
#include "ui/fader/Audience.h"

class PauseTest : public MainWindowTest {
 protected:
  // The pause check, as its timer delivers it; true once automatic fading is on again.
  bool CheckAt(WORD hour, WORD minute, WORD second) {
    clock.Set(hour, minute, second);
    Tick(window.PauseTimerId());
    return window.AutoFadeOn();
  }
  std::wstring Tip() const { return window.Tray().Tip(); }
  FakeClock clock;
};

TEST_F(PauseTest, APauseSwitchesAutoFadeOffAndItComesBackOnByItselfAsIfChosen) {
  clock.Set(15, 0, 5);
  window.StartAutoFade();
  Send(CmdShowFader);
  Send(CmdPause30Minutes);
  EXPECT_FALSE(window.AutoFadeOn());
  EXPECT_FALSE(Visible());  // as "Auto Fade" switched off
  EXPECT_EQ(IconAutoFadeOff, Icon());
  EXPECT_EQ(L"Dusklamp - paused until 15:30", Tip());
  EXPECT_FALSE(KillTimer(hwnd, window.AutoTimerId()));  // no automatic check is armed
  EXPECT_FALSE(CheckAt(15, 30, 4));
  EXPECT_TRUE(CheckAt(15, 30, 5));
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(IconAutoFadeOn, Icon());
  EXPECT_EQ(L"Dusklamp", Tip());
  clock.Set(15, 45, 0);  // the stamp restarted at 15:30:05: a whole interval has not passed
  AutoTick();
  EXPECT_FALSE(Visible());
  clock.Set(15, 45, 5);
  AutoTick();
  EXPECT_TRUE(Visible());
}

TEST_F(PauseTest, ASleepThroughTheEndEndsItAtTheNextCheckOfTheRealTimer) {
  clock.Set(10, 0, 0);
  Send(CmdPause1Hour);
  EXPECT_EQ(L"Dusklamp - paused until 11:00", Tip());
  clock.Set(14, 20, 0);
  EXPECT_TRUE(PumpUntil([&] { return window.AutoFadeOn(); }, 30000));
  EXPECT_EQ(L"Dusklamp", Tip());
}

TEST_F(PauseTest, AClockSetBackDoesNotMakeItLonger) {
  clock.Set(10, 0, 0);
  Send(CmdPause2Hours);
  EXPECT_EQ(L"Dusklamp - paused until 12:00", Tip());
  clock.Advance(2 * 3600 * 1000 - 1);
  EXPECT_FALSE(CheckAt(9, 0, 0));
  clock.Advance(1);
  EXPECT_TRUE(CheckAt(9, 0, 0));
}

TEST_F(PauseTest, UntilTomorrowEndsAtMidnight) {
  clock.Set(23, 50, 0);
  Send(CmdPauseUntilTomorrow);
  EXPECT_EQ(L"Dusklamp - paused until 00:00", Tip());
  EXPECT_FALSE(CheckAt(23, 59, 59));
  FakeClock::now.wDay = 9;
  FakeClock::now.wDayOfWeek = 3;
  EXPECT_TRUE(CheckAt(0, 0, 0));
}

// The pause is kept in the settings file at every change, and goes on after a restart.
TEST_F(PauseTest, APauseGoesOnAfterTheProgramStartsAgainAndItsEndIsForgotten) {
  clock.Set(15, 0, 5);
  Send(CmdPause30Minutes);
  DestroyWindow(hwnd);
  DropQuitMessage();
  FaderSettings::Instance().pausedUntil = 0;  // read back from the file, not kept in memory
  clock.Set(15, 20, 0);
  ASSERT_TRUE(window.Create());
  hwnd = window.hwnd();
  EXPECT_TRUE(window.Paused());
  EXPECT_FALSE(window.AutoFadeOn());
  EXPECT_EQ(IconAutoFadeOff, Icon());
  EXPECT_EQ(L"Dusklamp - paused until 15:30", Tip());
  clock.Advance(10 * 60 * 1000);  // its length counts from the restart; the clock ends it
  EXPECT_FALSE(CheckAt(15, 30, 4));
  EXPECT_TRUE(CheckAt(15, 30, 5));
  DestroyWindow(hwnd);
  DropQuitMessage();
  ASSERT_TRUE(window.Create());
  hwnd = window.hwnd();
  EXPECT_FALSE(window.Paused()) << "an ended pause came back";
  EXPECT_TRUE(window.AutoFadeOn());
  // One whose end has passed while the program was not running is no pause.
  Send(CmdPause1Hour);
  DestroyWindow(hwnd);
  DropQuitMessage();
  clock.Set(17, 0, 0);
  ASSERT_TRUE(window.Create());
  hwnd = window.hwnd();
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(L"Dusklamp", Tip());
}

// Central European time, which springs forward from 02:00 to 03:00 on 28 March 2027.
TEST_F(PauseTest, APauseOfALengthLastsThatLongAcrossTheSpringClockChange) {
  TIME_ZONE_INFORMATION zone{};
  zone.Bias = -60;
  zone.DaylightBias = -60;
  zone.StandardDate = {0, 10, 0, 5, 3, 0, 0, 0};  // the last Sunday of October, 03:00
  zone.DaylightDate = {0, 3, 0, 5, 2, 0, 0, 0};   // the last Sunday of March, 02:00
  SetTimeZone(&zone);
  FakeClock::now = {2027, 3, 0, 28, 1, 30, 0, 0};
  Send(CmdPause2Hours);
  EXPECT_EQ(L"Dusklamp - paused until 04:30", Tip());
  clock.Advance(3600 * 1000);
  EXPECT_FALSE(CheckAt(3, 30, 0)) << "an hour of real time ended a pause of two";
  clock.Advance(3600 * 1000 - 1000);
  EXPECT_FALSE(CheckAt(4, 29, 59));
  EXPECT_TRUE(CheckAt(4, 30, 0));
}

TEST_F(PauseTest, AutoFadeDuringAPauseResumesAtOnceAndAnotherPauseReplacesIt) {
  clock.Set(9, 10, 0);
  Send(CmdPause2Hours);
  Send(CmdPause30Minutes);  // a new choice counts from now
  EXPECT_EQ(L"Dusklamp - paused until 09:40", Tip());
  EXPECT_TRUE(CheckAt(9, 40, 0));
  Send(CmdAutoFade);  // off by hand: there is nothing to pause, and no pause switches it on later
  Send(CmdPause30Minutes);
  EXPECT_FALSE(window.Paused());
  EXPECT_FALSE(CheckAt(10, 30, 0));
  Send(CmdAutoFade);
  clock.Set(9, 50, 0);
  Send(CmdPauseUntilTomorrow);
  EXPECT_TRUE(window.Paused());
  Send(CmdAutoFade);
  EXPECT_TRUE(window.AutoFadeOn());
  EXPECT_FALSE(window.Paused());
  EXPECT_FALSE(KillTimer(hwnd, window.PauseTimerId()));  // its check is gone too
  EXPECT_EQ(L"Dusklamp", Tip());
  EXPECT_EQ(IconAutoFadeOn, Icon());
}

namespace {

int shellState = 0;
HRESULT WINAPI FakeShellState(QUERY_USER_NOTIFICATION_STATE* state) {
  if (shellState == 0) return E_FAIL;
  *state = QUERY_USER_NOTIFICATION_STATE(shellState);
  return S_OK;
}

struct AffinityCall {
  HWND window;
  DWORD affinity;
  bool visible;
};
std::vector<AffinityCall> affinityCalls;
DWORD windowsBuild = 19041;  // Windows 10 version 2004
LONG WINAPI FakeWindowsVersion(OSVERSIONINFOW* version) {
  version->dwMajorVersion = 10;
  version->dwMinorVersion = 0;
  version->dwBuildNumber = windowsBuild;
  return 0;
}

BOOL WINAPI RecordAffinity(HWND window, DWORD affinity) {
  affinityCalls.push_back({window, affinity, IsWindowVisible(window) != FALSE});
  return TRUE;
}

}  // namespace

class AudienceTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    SetShellStateQuery(FakeShellState);
    SetDisplayAffinityFunction(RecordAffinity);
    SetWindowsVersionFunction(FakeWindowsVersion);
    windowsBuild = 19041;
    affinityCalls.clear();
    shellState = QUNS_ACCEPTS_NOTIFICATIONS;
  }
  void TearDown() override {
    SetShellStateQuery(nullptr);
    SetDisplayAffinityFunction(nullptr);
    SetWindowsVersionFunction(nullptr);
    MainWindowTest::TearDown();
  }
  bool ShowsWith(int state) {
    shellState = state;
    Send(CmdShowFader);
    const bool shown = Visible();
    Send(CmdHideFader);
    return shown;
  }
};

TEST_F(AudienceTest, APresentationOrAFullScreenGameTheShellKnowsBlocksShows) {
  EXPECT_FALSE(ShowsWith(QUNS_PRESENTATION_MODE));
  EXPECT_FALSE(ShowsWith(QUNS_RUNNING_D3D_FULL_SCREEN));
  EXPECT_EQ(IconAutoFadeOn, Icon());  // refused: nothing changed
  EXPECT_TRUE(ShowsWith(QUNS_BUSY));
  EXPECT_TRUE(ShowsWith(QUNS_ACCEPTS_NOTIFICATIONS));
  EXPECT_TRUE(ShowsWith(0));  // the shell gave no answer
  FaderSettings::Instance().autoBlock = false;
  EXPECT_TRUE(ShowsWith(QUNS_PRESENTATION_MODE));
}

TEST_F(AudienceTest, TheFaderIsLeftOutOfCapturesBeforeItFirstShows) {
  Send(CmdShowFader);
  ASSERT_EQ(1u, affinityCalls.size());
  EXPECT_EQ(hwnd, affinityCalls[0].window);
  EXPECT_EQ(DWORD(WDA_EXCLUDEFROMCAPTURE), affinityCalls[0].affinity);  // never WDA_MONITOR
  EXPECT_FALSE(affinityCalls[0].visible);
  Send(CmdHideFader);
  Send(CmdShowFader);
  EXPECT_EQ(1u, affinityCalls.size());  // asked once
  Send(CmdHideFader);
  FaderSettings::Instance().hideFromCapture = false;  // switched off in Options
  Send(CmdShowFader);
  ASSERT_EQ(2u, affinityCalls.size());
  EXPECT_EQ(DWORD(WDA_NONE), affinityCalls[1].affinity);
  EXPECT_FALSE(affinityCalls[1].visible);
}

TEST_F(AudienceTest, WithTheOptionOffOrOnAnOlderWindowsNothingIsAsked) {
  FaderSettings::Instance().hideFromCapture = false;
  Send(CmdShowFader);
  EXPECT_TRUE(Visible());
  Send(CmdHideFader);
  FaderSettings::Instance().hideFromCapture = true;
  windowsBuild = 18363;  // version 1909 would show others a black window instead
  Send(CmdShowFader);
  EXPECT_TRUE(Visible());
  EXPECT_TRUE(affinityCalls.empty());
}
