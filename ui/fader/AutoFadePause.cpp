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
  if (autoFadeOn_) ToggleAutoFade();
  pause_ = PauseFrom(LocalTimeStamp::Now(), length);
  pausedAtMs_ = ReadTickClock();
  if (!paused_) {
    if (!IsWindow(hwnd()) || !SetTimer(hwnd(), pauseTimerId_, kPauseCheckMs, nullptr)) return;
    paused_ = true;
  }
  const ClockMinute end = PauseEndMinute(pause_);
  SYSTEMTIME endTime = LocalTime().Time();  // the time of day is what is shown
  endTime.wHour = WORD(end.hour);
  endTime.wMinute = WORD(end.minute);
  endTime.wSecond = endTime.wMilliseconds = 0;
  trayIcon_.SetTip(PausedTooltip(FormatClock(FaderSettings::Instance().clock, endTime)).c_str());
}

void MainWindow::OnPauseTick() {
  // Paused means switched off: every way of switching on ends the pause.
  if (paused_ && PauseOver(pause_, LocalTimeStamp::Now(), ReadTickClock() - pausedAtMs_)) {
    ToggleAutoFade();
  }
}

void MainWindow::EndPause() {
  if (!paused_) return;
  KillTimer(hwnd(), pauseTimerId_);
  paused_ = false;
  trayIcon_.SetTip(L"Dusklamp");
}
