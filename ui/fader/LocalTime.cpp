#include "ui/fader/LocalTime.h"

namespace {
LocalClockFunction localClock = GetLocalTime;
TickClockFunction tickClock = GetTickCount64;
const TIME_ZONE_INFORMATION* timeZone = nullptr;  // the user's
}  // namespace

LocalClockFunction SetLocalClock(LocalClockFunction clock) {
  const LocalClockFunction previous = localClock;
  localClock = clock ? clock : GetLocalTime;
  return previous;
}

void ReadLocalClock(SYSTEMTIME* now) { localClock(now); }

TickClockFunction SetTickClock(TickClockFunction clock) {
  const TickClockFunction previous = tickClock;
  tickClock = clock ? clock : GetTickCount64;
  return previous;
}

ULONGLONG ReadTickClock() { return tickClock(); }

void SetTimeZone(const TIME_ZONE_INFORMATION* zone) { timeZone = zone; }

// A local time in a daylight saving gap or fold converts as the platform decides; one that does
// not convert at all stays as it is.
uint64_t LocalToUtc(uint64_t localTicks) {
  const SYSTEMTIME local = TimeOf(localTicks);
  SYSTEMTIME utc{};
  return TzSpecificLocalTimeToSystemTime(timeZone, &local, &utc) ? TicksOf(utc) : localTicks;
}

uint64_t UtcToLocal(uint64_t utcTicks) {
  const SYSTEMTIME utc = TimeOf(utcTicks);
  SYSTEMTIME local{};
  return SystemTimeToTzSpecificLocalTime(timeZone, &utc, &local) ? TicksOf(local) : utcTicks;
}

uint64_t TicksOf(const SYSTEMTIME& time) {
  FILETIME file{};
  SystemTimeToFileTime(&time, &file);
  return uint64_t(file.dwHighDateTime) << 32 | file.dwLowDateTime;
}

SYSTEMTIME TimeOf(uint64_t ticks) {
  const FILETIME file{DWORD(ticks), DWORD(ticks >> 32)};
  SYSTEMTIME time{};
  FileTimeToSystemTime(&file, &time);
  return time;
}

LocalTime::LocalTime(bool now) : time_() {
  if (now) ReadLocalClock(&time_);
}

uint64_t LocalNow() {
  SYSTEMTIME time;
  ReadLocalClock(&time);
  return TicksOf(time);
}
