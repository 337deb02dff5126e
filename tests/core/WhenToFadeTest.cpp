// When a fade may come: once per minute, never in front of an audience, not while paused.
#include <gtest/gtest.h>

#include "ui/fader/PauseTime.h"
#include "ui/fader/AutoFadeSchedule.h"
#include "ui/fader/CaptureSupport.h"
#include "ui/fader/ClockText.h"
#include "ui/fader/ShowBlock.h"

namespace {

constexpr uint64_t kSecond = 10000000;
constexpr uint64_t kHour = 3600 * kSecond;
constexpr uint64_t kDay = 24 * kHour;
constexpr uint64_t kDec8 = 155000 * kDay;  // some local midnight
uint64_t At(int hour, int minute, int second, uint64_t day = kDec8) {
  return day + (uint64_t(hour) * 3600 + uint64_t(minute) * 60 + uint64_t(second)) * kSecond;
}

}  // namespace

TEST(WhenToFade, MinutesAreTheSameOnlyWithinOneMinuteOfOneDay) {
  EXPECT_TRUE(SameLocalMinute(At(10, 30, 0), At(10, 30, 59) + kSecond - 1));
  EXPECT_FALSE(SameLocalMinute(At(10, 30, 59), At(10, 31, 0)));
  EXPECT_FALSE(SameLocalMinute(At(10, 30, 0), At(10, 30, 0, kDec8 + kDay)));
  EXPECT_FALSE(SameLocalMinute(0, At(0, 0, 0)));  // a stamp never set
}

TEST(WhenToFade, OnlyAPresentationOrADirect3dFullScreenProgramJoinTheFullScreenBlock) {
  for (int state = 0; state <= 7; ++state) {
    const bool audience = state == 3 || state == 4;
    EXPECT_EQ(audience, ShowBlocked(true, false, state)) << state;
    EXPECT_TRUE(ShowBlocked(true, true, state)) << state;
    EXPECT_FALSE(ShowBlocked(false, true, state)) << state;
    EXPECT_FALSE(ShowBlocked(false, false, state)) << state;
  }
}

TEST(WhenToFade, CaptureExclusionFromWindows10Version2004) {
  EXPECT_FALSE(SupportsCaptureExclusion(6, 1, 7601));
  EXPECT_FALSE(SupportsCaptureExclusion(6, 3, 20000));
  EXPECT_FALSE(SupportsCaptureExclusion(10, 0, 19041 - 1));
  EXPECT_TRUE(SupportsCaptureExclusion(10, 0, 19041));
  EXPECT_TRUE(SupportsCaptureExclusion(10, 0, 22631));  // Windows 11
  EXPECT_TRUE(SupportsCaptureExclusion(11, 0, 0));
}

// The times are UTC, and the next local midnight is given, as a zone an hour east has it.
TEST(WhenToFade, PausesEndAfterTheirLengthOrAtTheNextMidnight) {
  const uint64_t midnight = kDec8 + kDay - kHour;
  const Pause half = PauseFrom(At(15, 0, 20), PauseLength::ThirtyMinutes, midnight);
  EXPECT_EQ(At(15, 30, 20), half.endUtc);
  EXPECT_EQ(30u * 60 * 1000, half.lengthMs);
  EXPECT_EQ(At(16, 0, 20), PauseFrom(At(15, 0, 20), PauseLength::OneHour, midnight).endUtc);
  EXPECT_EQ(At(1, 10, 0, kDec8 + kDay), PauseFrom(At(23, 10, 0), PauseLength::TwoHours, midnight).endUtc);
  const Pause night = PauseFrom(At(15, 0, 20), PauseLength::UntilTomorrow, midnight);
  EXPECT_EQ(midnight, night.endUtc);
  EXPECT_EQ((7u * 3600 + 59 * 60 + 40) * 1000, night.lengthMs);
  EXPECT_EQ(kDec8 + kDay, NextMidnight(At(15, 0, 20)));
  EXPECT_EQ(kDec8 + 2 * kDay, NextMidnight(kDec8 + kDay));
}

TEST(WhenToFade, APauseEndsByTheClockOrByItsLengthWhicheverComesFirst) {
  const Pause pause = PauseFrom(At(15, 0, 0), PauseLength::ThirtyMinutes, 0);
  EXPECT_FALSE(PauseOver(pause, At(15, 29, 59), 1799000));
  EXPECT_TRUE(PauseOver(pause, At(15, 30, 0), 1800000));
  EXPECT_TRUE(PauseOver(pause, At(18, 0, 0), 60000));     // a clock set forward, a sleep through it
  EXPECT_TRUE(PauseOver(pause, At(14, 30, 0), 1800000));  // a clock set back an hour
  EXPECT_FALSE(PauseOver(pause, At(14, 30, 0), 1000));
}

TEST(WhenToFade, TheClockTextHasTwoDigitsEach) {
  EXPECT_EQ(L"09:05", ClockText(9, 5));
  EXPECT_EQ(L"00:00", ClockText(0, 0));
}
