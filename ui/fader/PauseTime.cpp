#include "ui/fader/PauseTime.h"

namespace {
constexpr uint64_t kTicksPerMs = 10000;
constexpr uint64_t kTicksPerMinute = 60000 * kTicksPerMs;
constexpr uint64_t kTicksPerDay = 24 * 60 * kTicksPerMinute;
}  // namespace

Pause PauseFrom(uint64_t nowTicks, PauseLength length) {
  uint64_t ticks = 0;
  switch (length) {
    case PauseLength::ThirtyMinutes: ticks = 30 * kTicksPerMinute; break;
    case PauseLength::OneHour: ticks = 60 * kTicksPerMinute; break;
    case PauseLength::TwoHours: ticks = 120 * kTicksPerMinute; break;
    // Local ticks count from a local midnight, so whole days end at midnights.
    case PauseLength::UntilTomorrow: ticks = (nowTicks / kTicksPerDay + 1) * kTicksPerDay - nowTicks; break;
  }
  return {nowTicks + ticks, ticks / kTicksPerMs};
}

bool PauseOver(const Pause& pause, uint64_t nowTicks, uint64_t msSincePaused) {
  return nowTicks >= pause.endTicks || msSincePaused >= pause.lengthMs;
}

ClockMinute PauseEndMinute(const Pause& pause) {
  const uint64_t minutes = pause.endTicks / kTicksPerMinute;
  return {unsigned(minutes / 60 % 24), unsigned(minutes % 60)};
}
