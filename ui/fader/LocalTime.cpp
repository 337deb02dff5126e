#include "ui/fader/LocalTime.h"

#include "ui/fader/AutoFadeSchedule.h"

namespace {
LocalClockFunction localClock = GetLocalTime;
TickClockFunction tickClock = GetTickCount64;
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

LocalTime::LocalTime(bool now) : time_() {
  if (now) ReadLocalClock(&time_);
}

void LocalTimeStamp::Set(bool now) { ticks_ = now ? Now() : 0; }

int LocalTimeStamp::ElapsedSeconds() const { return ElapsedWholeSeconds(ticks_, Now()); }

bool LocalTimeStamp::InThisMinute() const { return SameLocalMinute(ticks_, Now()); }

uint64_t LocalTimeStamp::Now() {
  SYSTEMTIME time;
  ReadLocalClock(&time);
  FILETIME file{};
  SystemTimeToFileTime(&time, &file);
  return uint64_t(file.dwHighDateTime) << 32 | file.dwLowDateTime;
}
