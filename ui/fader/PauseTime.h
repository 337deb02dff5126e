#pragma once
// A pause of automatic fading that ends by itself.
#include <cstdint>

enum class PauseLength { ThirtyMinutes, OneHour, TwoHours, UntilTomorrow };

struct Pause {
  uint64_t endTicks = 0;  // local time (100 ns ticks) at which it ends
  uint64_t lengthMs = 0;  // how long it lasts, measured on a clock the user does not set
};

// A pause chosen at local time `nowTicks`; "until tomorrow" ends at the next local midnight.
Pause PauseFrom(uint64_t nowTicks, PauseLength length);

// Over once the local clock reaches the end (also after a sleep through it or a clock set
// forward), or once its length has passed (a clock set back does not make it longer).
bool PauseOver(const Pause& pause, uint64_t nowTicks, uint64_t msSincePaused);

// The hour and minute of the local end, as the tooltip names it.
struct ClockMinute {
  unsigned hour;
  unsigned minute;
};
ClockMinute PauseEndMinute(const Pause& pause);
