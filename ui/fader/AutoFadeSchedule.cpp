#include "ui/fader/AutoFadeSchedule.h"

int ElapsedWholeSeconds(uint64_t stampTicks, uint64_t nowTicks) {
  constexpr uint64_t kTicksPerSecond = 10000000;
  const auto now = uint32_t(nowTicks / kTicksPerSecond);
  const auto stamp = uint32_t(stampTicks / kTicksPerSecond);
  return int32_t(now - stamp);
}

bool AutoFadeDue(int secondsSinceStart, int minute, int second, int intervalMinutes) {
  if (intervalMinutes <= 0) return false;  // never a divisor; the record keeps it at 1 or more
  if (secondsSinceStart / 60 < intervalMinutes) return false;
  if (minute % intervalMinutes != 0) return false;
  return second <= 10;
}

bool SameLocalMinute(uint64_t aTicks, uint64_t bTicks) {
  constexpr uint64_t kTicksPerMinute = 600000000;
  return aTicks / kTicksPerMinute == bTicks / kTicksPerMinute;
}
