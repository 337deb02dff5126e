#pragma once
// When an automatic fade comes: automatic fading switched on a whole interval ago, a minute that
// is a multiple of the interval and its first seconds, once a minute, not while paused, only in
// the working hours, and only with a screen to see it on. The main window keeps the timers and
// asks this at each check. Times are 100 ns ticks: local ones count from a local midnight, UTC
// ones (the pause's end) do not move with daylight saving time, and tick counts are
// milliseconds of a clock the user does not set.
#include <cstdint>

#include "settings/FaderSettings.h"
#include "ui/fader/PauseTime.h"

// The day of the week (0 for Sunday) of a local time.
unsigned DayOfWeek(uint64_t localTicks);

// Whether the local time lies in the working hours; always when they are off. A range across
// midnight belongs to the day it starts on.
bool InWorkingHours(const WorkingHours& hours, uint64_t localTicks);
// The next local time after `localTicks` at which the working hours begin; 0 when none does
// (no day chosen, or they are off).
uint64_t NextWorkingStart(const WorkingHours& hours, uint64_t localTicks);

class Schedule {
 public:
  // Switched on, which ends a pause: the first fade comes a whole interval later.
  void SwitchOn(uint64_t localNow);
  void SwitchOff();
  bool On() const { return on_; }

  // Switched off until the pause is over.
  void BeginPause(const ::Pause& pause, uint64_t tickNow);
  void EndPause();
  bool Paused() const { return paused_; }
  uint64_t PausedUntil() const { return paused_ ? pause_.endUtc : 0; }
  // Over by the clock, or once its length has passed on the tick count.
  bool PauseOver(uint64_t utcNow, uint64_t tickNow) const;

  // A locked session or a display switched off: no fades. Back, the minute it comes back in does
  // not fade, however early in it: a fade never comes late.
  void SetLocked(bool locked, uint64_t localNow);
  void SetDisplayOn(bool on, uint64_t localNow);
  bool ScreenSeen() const { return !locked_ && displayOn_; }

  // Whether an automatic fade starts now; `Faded` records one that did.
  bool FadeDue(uint64_t localNow, int intervalMinutes, const WorkingHours& hours) const;
  void Faded(uint64_t localNow) { lastFade_ = localNow; }

 private:
  bool on_ = false;
  uint64_t startedAt_ = 0;
  uint64_t lastFade_ = 0;
  bool paused_ = false;
  ::Pause pause_;
  uint64_t pausedAtTick_ = 0;
  void ScreenChanged(bool wasSeen, uint64_t localNow);
  bool locked_ = false;
  bool displayOn_ = true;
  uint64_t screenBackAt_ = 0;
};
