// A pause of automatic fading: off as "Auto Fade" switches it off, and on again by itself when
// the pause is over, which a check every few seconds notices also after a sleep or a clock change.
#include "settings/FaderSettings.h"
#include "ui/fader/ClockFormat.h"
#include "ui/fader/ClockText.h"
#include "ui/main/MainWindow.h"

namespace {
constexpr UINT kPauseCheckMs = 5000;
}

void MainWindow::PauseAutoFade(PauseLength length) {
  // Switched off by the user, automatic fading has nothing to pause, and the end of a pause
  // would switch it on.
  if (!autoFadeOn_ && !paused_) return;
  if (autoFadeOn_) ToggleAutoFade();
  const uint64_t now = LocalTimeStamp::Now();
  pause_ = PauseFrom(LocalToUtc(now), length, LocalToUtc(NextMidnight(now)));
  pausedAtMs_ = ReadTickClock();
  if (!paused_) {
    if (!IsWindow(hwnd()) || !SetTimer(hwnd(), pauseTimerId_, kPauseCheckMs, nullptr)) return;
    paused_ = true;
  }
  const SYSTEMTIME end = TimeOf(UtcToLocal(pause_.endUtc));
  trayIcon_.SetTip(PausedTooltip(FormatClock(FaderSettings::Instance().clock, end)).c_str());
}

void MainWindow::OnPauseTick() {
  // Paused means switched off: every way of switching on ends the pause.
  if (paused_ && PauseOver(pause_, LocalToUtc(LocalTimeStamp::Now()), ReadTickClock() - pausedAtMs_)) {
    ToggleAutoFade();
  }
}

void MainWindow::EndPause() {
  if (!paused_) return;
  KillTimer(hwnd(), pauseTimerId_);
  paused_ = false;
  trayIcon_.SetTip(L"Dusklamp");
}
