// When automatic fades come: working hours, the pause, a locked screen, and the text forms the
// settings file keeps them in.
#include <gtest/gtest.h>

#include "settings/TimeText.h"
#include "ui/fader/Schedule.h"

namespace {

constexpr uint64_t kSecond = 10000000;
constexpr uint64_t kMinute = 60 * kSecond;
constexpr uint64_t kDay = 24 * 60 * kMinute;
// Monday 7 December 2026, local midnight, counted as Windows does from 1601.
constexpr uint64_t kMonday = uint64_t(155568) * kDay;
uint64_t At(int day, int hour, int minute, int second = 0) {
  return kMonday + uint64_t(day) * kDay + uint64_t(hour * 60 + minute) * kMinute + uint64_t(second) * kSecond;
}
constexpr unsigned kSunday = 1, kMondayBit = 2, kFridayBit = 32, kSaturday = 64;

}  // namespace

TEST(Schedule, TheWeekAndItsWorkingHours) {
  ASSERT_EQ(1u, DayOfWeek(At(0, 12, 0)));
  EXPECT_EQ(0u, DayOfWeek(At(6, 23, 59)));  // Sunday
  const WorkingHours office{true, 0x3E, 9 * 60, 18 * 60};
  EXPECT_FALSE(InWorkingHours(office, At(0, 8, 59)));
  EXPECT_TRUE(InWorkingHours(office, At(0, 9, 0)));
  EXPECT_FALSE(InWorkingHours(office, At(4, 18, 0)));  // the end is outside
  EXPECT_FALSE(InWorkingHours(office, At(6, 12, 0)));  // Sunday
  EXPECT_TRUE(InWorkingHours(WorkingHours{false, 0, 0, 0}, At(6, 3, 0)));  // off: all day, every day
  // A night shift from Sunday to Monday morning: the range belongs to the day it starts.
  const WorkingHours night{true, kSunday, 22 * 60, 6 * 60};
  EXPECT_TRUE(InWorkingHours(night, At(6, 23, 0)));
  EXPECT_TRUE(InWorkingHours(night, At(7, 5, 59)));   // Monday morning, Sunday's range
  EXPECT_FALSE(InWorkingHours(night, At(1, 5, 59)));  // Tuesday morning: Monday has no range
  EXPECT_FALSE(InWorkingHours(night, At(6, 5, 0)));   // Sunday morning belongs to Saturday
  const WorkingHours weekend{true, kSaturday | kSunday, 10 * 60, 10 * 60};  // equal: the whole day
  EXPECT_TRUE(InWorkingHours(weekend, At(5, 0, 0)));
  EXPECT_TRUE(InWorkingHours(weekend, At(6, 23, 59)));
  EXPECT_FALSE(InWorkingHours(weekend, At(7, 0, 0)));
}

TEST(Schedule, WorkingHoursBeginAgainOnTheNextChosenDay) {
  const WorkingHours office{true, kMondayBit | kFridayBit, 9 * 60, 18 * 60};
  EXPECT_EQ(At(0, 9, 0), NextWorkingStart(office, At(0, 7, 0)));
  EXPECT_EQ(At(4, 9, 0), NextWorkingStart(office, At(0, 18, 0)));
  EXPECT_EQ(At(7, 9, 0), NextWorkingStart(office, At(4, 20, 0)));  // Friday night: Monday
  EXPECT_EQ(0u, NextWorkingStart(WorkingHours{true, 0, 0, 60}, At(0, 0, 0)));
}

TEST(Schedule, AFadeComesOnceAtAMatchingMinuteInsideTheHours) {
  const WorkingHours office{true, 0x3E, 9 * 60, 18 * 60};
  Schedule schedule;
  EXPECT_FALSE(schedule.FadeDue(At(0, 10, 0), 15, office));  // not switched on
  schedule.SwitchOn(At(0, 8, 0));
  EXPECT_FALSE(schedule.FadeDue(At(0, 8, 45), 15, office));  // before the hours
  EXPECT_TRUE(schedule.FadeDue(At(0, 9, 0, 10), 15, office));
  EXPECT_FALSE(schedule.FadeDue(At(0, 9, 0, 11), 15, office));
  schedule.Faded(At(0, 9, 0, 5));
  EXPECT_FALSE(schedule.FadeDue(At(0, 9, 0, 10), 15, office));
  EXPECT_TRUE(schedule.FadeDue(At(0, 9, 15), 15, office));
  EXPECT_FALSE(schedule.FadeDue(At(5, 9, 15), 15, office));  // Saturday
  // Locked at the matching minute, unlocked in it: that minute's fade never comes late.
  schedule.SetLocked(true, At(0, 9, 29, 58));
  EXPECT_FALSE(schedule.FadeDue(At(0, 9, 30), 15, office));
  schedule.SetLocked(false, At(0, 9, 30, 3));
  EXPECT_FALSE(schedule.FadeDue(At(0, 9, 30, 5), 15, office));
  EXPECT_TRUE(schedule.FadeDue(At(0, 9, 45), 15, office));
  // The display off while unlocked, then locked while off: seen again only when both are back.
  schedule.SetDisplayOn(false, At(0, 9, 50));
  schedule.SetLocked(true, At(0, 9, 55));
  schedule.SetDisplayOn(true, At(0, 9, 58));
  EXPECT_FALSE(schedule.FadeDue(At(0, 10, 0), 15, office));
  schedule.SetLocked(false, At(0, 10, 1));
  EXPECT_TRUE(schedule.FadeDue(At(0, 10, 15), 15, office));
  schedule.SwitchOff();
  EXPECT_FALSE(schedule.FadeDue(At(0, 10, 0), 15, office));
}

// Local time runs 02:00 to 03:00 at once in spring, 03:00 to 02:00 again in autumn; the hours are
// those of the clock on the wall, and the pause's end is UTC.
TEST(Schedule, AClockChangeInsideTheHoursAndAPauseAcrossIt) {
  const WorkingHours night{true, 0x7F, 1 * 60, 4 * 60};
  EXPECT_TRUE(InWorkingHours(night, At(6, 1, 59)));
  EXPECT_TRUE(InWorkingHours(night, At(6, 3, 0)));   // just after the spring jump
  EXPECT_TRUE(InWorkingHours(night, At(6, 2, 30)));  // the autumn hour that comes twice
  Schedule schedule;
  schedule.SwitchOn(At(0, 8, 0));
  schedule.BeginPause(PauseFrom(At(0, 1, 30), PauseLength::TwoHours, 0), 1000);
  EXPECT_FALSE(schedule.On());
  EXPECT_EQ(At(0, 3, 30), schedule.PausedUntil());
  EXPECT_FALSE(schedule.PauseOver(At(0, 3, 29), 1000 + 119 * 60000));
  EXPECT_TRUE(schedule.PauseOver(At(0, 2, 30), 1000 + 120 * 60000));  // a clock set back
  EXPECT_TRUE(schedule.PauseOver(At(0, 3, 30), 1001));
  schedule.SwitchOn(At(0, 2, 0));  // ends it
  EXPECT_FALSE(schedule.Paused());
  EXPECT_EQ(0u, schedule.PausedUntil());
  const Pause restored = PauseUntil(At(0, 10, 0), At(0, 10, 30));
  EXPECT_EQ(30u * 60000, restored.lengthMs);
  EXPECT_EQ(0u, PauseUntil(At(0, 10, 0), At(0, 9, 0)).lengthMs);
}

TEST(SettingsText, TimesDaysInstantsAndKeys) {
  EXPECT_EQ(L"09:05", FormatTimeOfDay(545));
  EXPECT_EQ(545, ParseTimeOfDay(L"9:05"));
  EXPECT_EQ(23 * 60 + 59, ParseTimeOfDay(L"23:59"));
  for (const wchar_t* bad : {L"24:00", L"9:60", L"9", L"09:5", L":05", L"109:05", L"9:05 "}) {
    EXPECT_FALSE(ParseTimeOfDay(bad)) << bad;
  }
  EXPECT_EQ(L"mon,tue,wed,thu,fri", FormatDays(0x3E));
  EXPECT_EQ(L"sat,sun", FormatDays(kSaturday | kSunday));
  EXPECT_EQ(kSunday | kFridayBit, ParseDays(L"Fri,sun,someday"));
  EXPECT_EQ(0u, ParseDays(L""));

  EXPECT_EQ(L"2026-12-07T09:30:00Z", FormatUtc(At(0, 9, 30)));
  EXPECT_EQ(At(0, 9, 30), ParseUtc(L"2026-12-07T09:30:00Z"));
  EXPECT_EQ(0u, ParseUtc(L"1601-01-01T00:00:00Z"));
  EXPECT_EQ(L"2028-02-29T23:59:59Z", FormatUtc(*ParseUtc(L"2028-02-29T23:59:59Z")));
  for (const wchar_t* bad : {L"2026-12-07T09:30:00", L"2026-12-07 09:30:00Z", L"2027-02-29T00:00:00Z",
                             L"2026-13-01T00:00:00Z", L"1600-12-31T23:59:59Z", L"2026-12-07T24:00:00Z",
                             L"2026-12-07T09:30:00+01:00", L""}) {
    EXPECT_FALSE(ParseUtc(bad)) << bad;
  }

  EXPECT_EQ(L"ctrl+alt+t", FormatHotKey({3, 'T'}));
  EXPECT_EQ(L"ctrl+shift+f9", FormatHotKey({6, 0x78}));
  EXPECT_EQ(L"alt+vkde", FormatHotKey({1, 0xDE}));
  EXPECT_EQ(L"", FormatHotKey({}));
  for (const HotKey key : {HotKey{3, 'T'}, HotKey{6, 0x78}, HotKey{1, 0xDE}, HotKey{2, 0x2E}, HotKey{}}) {
    EXPECT_EQ(key, ParseHotKey(FormatHotKey(key)));
  }
  EXPECT_EQ((HotKey{3, 'T'}), ParseHotKey(L"Alt+Ctrl+T"));
  for (const wchar_t* bad : {L"t", L"shift+t", L"ctrl+ctrl+t", L"ctrl+win+t", L"ctrl+", L"ctrl+f25", L"ctrl+vk00"}) {
    EXPECT_FALSE(ParseHotKey(bad)) << bad;
  }
}
