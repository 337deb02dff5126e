#pragma once
// A pause of automatic fading that ends by itself.
#include <cstdint>

enum class PauseLength { ThirtyMinutes, OneHour, TwoHours, UntilTomorrow };

struct Pause {
  uint64_t endUtc = 0;    // UTC (100 ns ticks) at which it ends, which daylight saving time never moves
  uint64_t lengthMs = 0;  // how long it lasts, measured on a clock the user does not set
};

// The local midnight after the local time `localTicks`.
uint64_t NextMidnight(uint64_t localTicks);

// A pause chosen at UTC `nowUtc`: a length of real time, or "until tomorrow" up to
// `midnightUtc`, the next local midnight.
Pause PauseFrom(uint64_t nowUtc, PauseLength length, uint64_t midnightUtc);

// A pause that ends at UTC `endUtc`, as one read back after a restart; its length counts from now.
Pause PauseUntil(uint64_t nowUtc, uint64_t endUtc);

// Over once the clock reaches the end (also after a sleep through it or a clock set forward), or
// once its length has passed (a clock set back does not make it longer).
bool PauseOver(const Pause& pause, uint64_t nowUtc, uint64_t msSincePaused);
