#include "ui/fader/PauseTime.h"

namespace {
constexpr uint64_t kTicksPerMs = 10000;
constexpr uint64_t kTicksPerMinute = 60000 * kTicksPerMs;
constexpr uint64_t kTicksPerDay = 24 * 60 * kTicksPerMinute;
}  // namespace

// Local ticks count from a local midnight, so whole days end at midnights.
uint64_t NextMidnight(uint64_t localTicks) { return (localTicks / kTicksPerDay + 1) * kTicksPerDay; }

Pause PauseFrom(uint64_t nowUtc, PauseLength length, uint64_t midnightUtc) {
  uint64_t ticks = 0;
  switch (length) {
    case PauseLength::ThirtyMinutes: ticks = 30 * kTicksPerMinute; break;
    case PauseLength::OneHour: ticks = 60 * kTicksPerMinute; break;
    case PauseLength::TwoHours: ticks = 120 * kTicksPerMinute; break;
    case PauseLength::UntilTomorrow: ticks = midnightUtc > nowUtc ? midnightUtc - nowUtc : 0; break;
  }
  return PauseUntil(nowUtc, nowUtc + ticks);
}

Pause PauseUntil(uint64_t nowUtc, uint64_t endUtc) {
  return {endUtc, endUtc > nowUtc ? (endUtc - nowUtc) / kTicksPerMs : 0};
}

bool PauseOver(const Pause& pause, uint64_t nowUtc, uint64_t msSincePaused) {
  return nowUtc >= pause.endUtc || msSincePaused >= pause.lengthMs;
}
