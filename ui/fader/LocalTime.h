#pragma once
// The local clock, read through one seam that tests can replace.
#include <windows.h>

#include <cstdint>

using LocalClockFunction = void(WINAPI*)(SYSTEMTIME* now);
// GetLocalTime unless a test installed another clock; returns the clock that was in place.
LocalClockFunction SetLocalClock(LocalClockFunction clock);
void ReadLocalClock(SYSTEMTIME* now);
// Milliseconds since the system started, sleep included (GetTickCount64), through a seam too.
using TickClockFunction = ULONGLONG(WINAPI*)();
TickClockFunction SetTickClock(TickClockFunction clock);
ULONGLONG ReadTickClock();

// Local times and UTC convert through the user's time zone, daylight saving time included, or
// through a test's (null puts the user's back).
void SetTimeZone(const TIME_ZONE_INFORMATION* zone);
uint64_t LocalToUtc(uint64_t localTicks);
uint64_t UtcToLocal(uint64_t utcTicks);
// 100 ns ticks and the calendar time they stand for.
uint64_t TicksOf(const SYSTEMTIME& time);
SYSTEMTIME TimeOf(uint64_t ticks);

// A snapshot of the local date and time.
class LocalTime {
 public:
  explicit LocalTime(bool now = true);
  WORD Hour() const { return time_.wHour; }
  WORD Minute() const { return time_.wMinute; }
  WORD Second() const { return time_.wSecond; }
  int MinuteOfDay() const { return time_.wHour * 60 + time_.wMinute; }
  const SYSTEMTIME& Time() const { return time_; }

 private:
  SYSTEMTIME time_;
};

// A local-time stamp with whole-second differences.
class LocalTimeStamp {
 public:
  explicit LocalTimeStamp(bool now = false) { Set(now); }
  // Takes the local time now, or zero.
  void Set(bool now);
  int ElapsedSeconds() const;
  // Whether the stamp was taken in the current minute of the local clock.
  bool InThisMinute() const;
  // The local time now, as 100 ns ticks.
  static uint64_t Now();

 private:
  uint64_t ticks_ = 0;
};
