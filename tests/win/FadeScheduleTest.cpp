// Automatic fades on a clock the tests set, through the real check timer message.
#include <string>
#include <vector>

#include "tests/win/MainWindowFixture.h"
#include "ui/fader/FadeSound.h"

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

namespace {

int chimes = 0;
std::vector<std::wstring> spoken;
bool voiceSpeaks = true;

void CountChime() { ++chimes; }
bool Speak(const std::wstring& text) {
  if (!text.empty()) spoken.push_back(text);
  return voiceSpeaks;
}

}  // namespace

// The sound of an automatic fade, heard through the chime's and the voice's seams.
class FadeSoundTest : public FadeScheduleTest {
 protected:
  void SetUp() override {
    FadeScheduleTest::SetUp();
    chimes = 0;
    spoken.clear();
    voiceSpeaks = true;
    previousChime_ = SetChimeFunction(CountChime);
    previousSpeak_ = SetSpeakFunction(Speak);
    FaderSettings::Instance().fadeDuration = 2;
    FaderSettings::Instance().sound = FaderSound::Chime;
    StartAt(9, 0, 0);
  }
  void TearDown() override {
    SetChimeFunction(previousChime_);
    SetSpeakFunction(previousSpeak_);
    FadeScheduleTest::TearDown();
  }
  ChimeFunction previousChime_ = nullptr;
  SpeakFunction previousSpeak_ = nullptr;
};

// Heard only where the Fader would show; without the Fader, heard and not seen, once a minute.
TEST_F(FadeSoundTest, AFadeIsHeardOnlyWhereItWouldBeSeenAndWithoutTheFaderOnlyHeard) {
  const auto fullScreen = [] { return ForegroundWindowAt({-4, -4, GetSystemMetrics(SM_CXSCREEN) + 4, GetSystemMetrics(SM_CYSCREEN) + 4}); };
  HWND game = fullScreen();
  EXPECT_FALSE(TickAt(10, 30, 0));
  DestroyWindow(game);
  EXPECT_EQ(0, chimes) << "blocked by a full-screen program";
  EXPECT_TRUE(TickAt(10, 30, 5));
  EXPECT_EQ(1, chimes);
  FinishFade();
  FaderSettings::Instance().showFader = false;
  EXPECT_FALSE(TickAt(10, 45, 0));
  EXPECT_FALSE(TickAt(10, 45, 5));
  EXPECT_EQ(2, chimes);
  game = fullScreen();
  EXPECT_FALSE(TickAt(11, 0, 0));
  DestroyWindow(game);
  EXPECT_EQ(2, chimes) << "blocked by a full-screen program, without the Fader";
}

TEST_F(FadeSoundTest, TheSpokenTimeIsTheFadersTextAndAFailingVoiceGivesTheChime) {
  FaderSettings::Instance().sound = FaderSound::Speak;
  FaderSettings::Instance().clock = ClockStyle::Windows;
  ASSERT_TRUE(TickAt(10, 30, 0));
  UpdateWindow(hwnd);
  ASSERT_EQ(1u, spoken.size());
  EXPECT_EQ(TextOf(hwnd), spoken[0]);
  EXPECT_NE(std::wstring::npos, spoken[0].find(L"10:30")) << spoken[0];
  EXPECT_EQ(0, chimes);
  FinishFade();
  voiceSpeaks = false;
  ASSERT_TRUE(TickAt(10, 45, 0));
  EXPECT_EQ(2u, spoken.size());
  EXPECT_EQ(1, chimes) << "the chime in place of a voice that failed";
}
