// Automatic fades on a clock the tests set, through the real check timer message.
#include "tests/win/MainWindowFixture.h"

class FadeScheduleTest : public MainWindowTest {
 protected:
  void StartAt(WORD h, WORD m, WORD s) {
    clock.Set(h, m, s);
    window.StartAutoFade();
  }
  bool TickAt(WORD h, WORD m, WORD s) {
    clock.Set(h, m, s);
    AutoTick();
    return Visible();
  }
  void FinishFade() {
    for (int step = 0; step < 3100 && Visible(); ++step) FadeStep();
  }
  FakeClock clock;
};

TEST_F(FadeScheduleTest, IntervalFifteenStartedAt101430FirstFadesAt1030) {
  StartAt(10, 14, 30);
  EXPECT_FALSE(TickAt(10, 15, 0));
  EXPECT_FALSE(TickAt(10, 15, 5));
  EXPECT_FALSE(TickAt(10, 29, 55));
  EXPECT_TRUE(TickAt(10, 30, 0));
}

TEST_F(FadeScheduleTest, IntervalFifteenStartedAt100005WaitsUntil101505) {
  StartAt(10, 0, 5);
  EXPECT_FALSE(TickAt(10, 15, 0));
  EXPECT_TRUE(TickAt(10, 15, 5));
}

TEST_F(FadeScheduleTest, OnlyTheFirstElevenSecondsOfAMatchingMinuteCount) {
  StartAt(9, 0, 0);
  EXPECT_FALSE(TickAt(10, 30, 11));
  EXPECT_FALSE(TickAt(10, 31, 0));
  EXPECT_TRUE(TickAt(10, 45, 10));
}

TEST_F(FadeScheduleTest, IntervalSevenFadesAt56AndAgainAtTheHour) {
  FaderSettings::Instance().autoFadeInterval = 7;
  StartAt(9, 0, 0);
  EXPECT_FALSE(TickAt(10, 55, 0));
  EXPECT_TRUE(TickAt(10, 56, 0));
  FinishFade();
  EXPECT_FALSE(TickAt(10, 57, 0));
  EXPECT_TRUE(TickAt(11, 0, 0));
}

TEST_F(FadeScheduleTest, AShortFadeComesOncePerMinuteAndAShowByHandStillWorks) {
  FaderSettings::Instance().fadeDuration = 2;
  StartAt(9, 0, 0);
  EXPECT_TRUE(TickAt(10, 30, 0));
  FinishFade();
  ASSERT_FALSE(Visible());
  EXPECT_FALSE(TickAt(10, 30, 5));
  EXPECT_FALSE(TickAt(10, 30, 10));
  Send(CmdShowFader);
  EXPECT_TRUE(Visible());
  FinishFade();
  EXPECT_TRUE(TickAt(10, 45, 5));  // the next matching minute fades again
}

TEST_F(FadeScheduleTest, AFadeBlockedAtTheFirstCheckStillComesAtTheNext) {
  FaderSettings::Instance().fadeDuration = 2;
  StartAt(9, 0, 0);
  const HWND game = ForegroundWindowAt({-4, -4, GetSystemMetrics(SM_CXSCREEN) + 4,
                                        GetSystemMetrics(SM_CYSCREEN) + 4});
  EXPECT_FALSE(TickAt(10, 30, 0));
  DestroyWindow(game);
  EXPECT_TRUE(TickAt(10, 30, 5));
}

TEST_F(FadeScheduleTest, ClockSetBackDelaysFadesUntilTheIntervalHasPassedAgain) {
  StartAt(10, 0, 0);
  EXPECT_FALSE(TickAt(9, 15, 0));
  EXPECT_FALSE(TickAt(10, 0, 0));
  EXPECT_TRUE(TickAt(10, 15, 0));
}

TEST_F(FadeScheduleTest, NoAutomaticFadeWhileSwitchedOffAndTheTimerIsReallyArmed) {
  StartAt(9, 0, 0);
  Send(CmdAutoFade);  // off
  EXPECT_FALSE(window.AutoFadeOn());
  clock.Set(10, 30, 0);
  EXPECT_FALSE(KillTimer(hwnd, window.AutoTimerId()));  // nothing armed to deliver a check
  PumpMessages();
  EXPECT_FALSE(Visible());
  Send(CmdAutoFade);  // on again at 10:30:00: restarts the stamp
  EXPECT_FALSE(TickAt(10, 30, 5));
  EXPECT_TRUE(PumpUntil([&] {
    clock.Set(10, 45, 0);
    return Visible();
  }, 30000));  // the real 5-second timer delivers the check
}
