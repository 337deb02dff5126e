#pragma once
#include <cstdint>

// Whole seconds between two local times given as 100 ns ticks; each is truncated to seconds and
// only the low 32 bits of the seconds are compared, so the result is a signed 32-bit difference.
int ElapsedWholeSeconds(uint64_t stampTicks, uint64_t nowTicks);

// An automatic fade is due once a whole interval has passed since automatic fading started, at a
// minute that is a multiple of the interval, within its first eleven seconds.
bool AutoFadeDue(int secondsSinceStart, int minute, int second, int intervalMinutes);

// Whether two local times (100 ns ticks) fall in the same minute of the same day: an automatic
// fade comes once in its minute, however short it is.
bool SameLocalMinute(uint64_t aTicks, uint64_t bTicks);
