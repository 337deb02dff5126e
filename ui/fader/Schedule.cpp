#include "ui/fader/Schedule.h"

#include "ui/fader/AutoFadeSchedule.h"

namespace {
constexpr uint64_t kTicksPerMinute = 600000000;
constexpr uint64_t kTicksPerDay = 24 * 60 * kTicksPerMinute;

bool WorksOn(const WorkingHours& hours, unsigned day) { return (hours.days >> (day % 7) & 1) != 0; }
}  // namespace

// Day 0 of the count, 1 January 1601, was a Monday.
unsigned DayOfWeek(uint64_t localTicks) { return unsigned((localTicks / kTicksPerDay + 1) % 7); }

bool InWorkingHours(const WorkingHours& hours, uint64_t localTicks) {
  if (!hours.on) return true;
  const unsigned day = DayOfWeek(localTicks);
  const int minute = int(localTicks % kTicksPerDay / kTicksPerMinute);
  if (hours.from == hours.to) return WorksOn(hours, day);
  if (hours.from < hours.to) return WorksOn(hours, day) && minute >= hours.from && minute < hours.to;
  return (WorksOn(hours, day) && minute >= hours.from) || (WorksOn(hours, day + 6) && minute < hours.to);
}

uint64_t NextWorkingStart(const WorkingHours& hours, uint64_t localTicks) {
  if (!hours.on) return 0;
  const uint64_t today = localTicks / kTicksPerDay * kTicksPerDay;
  for (uint64_t days = 0; days <= 7; ++days) {
    const uint64_t start = today + days * kTicksPerDay + uint64_t(hours.from) * kTicksPerMinute;
    if (start > localTicks && WorksOn(hours, DayOfWeek(start))) return start;
  }
  return 0;
}

void Schedule::SwitchOn(uint64_t localNow) {
  EndPause();
  on_ = true;
  startedAt_ = localNow;
}

void Schedule::SwitchOff() { on_ = false; }

void Schedule::BeginPause(const ::Pause& pause, uint64_t tickNow) {
  on_ = false;
  paused_ = true;
  pause_ = pause;
  pausedAtTick_ = tickNow;
}

void Schedule::EndPause() { paused_ = false; }

bool Schedule::PauseOver(uint64_t utcNow, uint64_t tickNow) const {
  return paused_ && ::PauseOver(pause_, utcNow, tickNow - pausedAtTick_);
}

void Schedule::SetLocked(bool locked, uint64_t localNow) {
  const bool wasSeen = ScreenSeen();
  locked_ = locked;
  ScreenChanged(wasSeen, localNow);
}

void Schedule::SetDisplayOn(bool on, uint64_t localNow) {
  const bool wasSeen = ScreenSeen();
  displayOn_ = on;
  ScreenChanged(wasSeen, localNow);
}

void Schedule::ScreenChanged(bool wasSeen, uint64_t localNow) {
  if (!wasSeen && ScreenSeen()) screenBackAt_ = localNow;
}

bool Schedule::FadeDue(uint64_t localNow, int intervalMinutes, const WorkingHours& hours) const {
  const unsigned second = unsigned(localNow / 10000000 % 60);
  const unsigned minute = unsigned(localNow / kTicksPerMinute % 60);
  return on_ && ScreenSeen() && !SameLocalMinute(screenBackAt_, localNow) &&
         AutoFadeDue(ElapsedWholeSeconds(startedAt_, localNow), int(minute), int(second), intervalMinutes) &&
         !SameLocalMinute(lastFade_, localNow) && InWorkingHours(hours, localNow);
}
