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

// The local clock now as 100 ns ticks, which count whole days from a local midnight: what the
// schedule counts in.
uint64_t LocalNow();
