// A pause of automatic fading: off as "Auto Fade" switches it off, and on again by itself when
// the pause is over, which a check every few seconds notices also after a sleep or a clock change;
// kept in the settings file, so that it goes on after a restart. And what the tooltip says of it.
#include "app/Languages.h"
#include "app/Resources.h"
#include "res/resource.h"
#include "settings/FaderSettings.h"
#include "ui/fader/ClockFormat.h"
#include "ui/main/MainWindow.h"

namespace {
constexpr UINT kPauseCheckMs = 5000;
}

void MainWindow::PauseAutoFade(PauseLength length) {
  // Switched off by the user, automatic fading has nothing to pause, and the end of a pause
  // would switch it on.
  if (!schedule_.On() && !schedule_.Paused()) return;
  if (schedule_.On()) ToggleAutoFade();
  const uint64_t now = LocalNow();
  const Pause pause = PauseFrom(LocalToUtc(now), length, LocalToUtc(NextMidnight(now)));
  if (!schedule_.Paused() && (!IsWindow(hwnd()) || !SetTimer(hwnd(), pauseTimerId_, kPauseCheckMs, nullptr))) {
    return;
  }
  schedule_.BeginPause(pause, ReadTickClock());
  UpdateTip();
  FaderSettings& settings = FaderSettings::Instance();
  settings.pausedUntil = pause.endUtc;  // kept across an exit, a sign-out and a restart
  settings.SaveUnasked();
}

// A pause kept in the settings file that is not over yet goes on.
void MainWindow::ResumePause() {
  FaderSettings& settings = FaderSettings::Instance();
  const uint64_t now = LocalToUtc(LocalNow());
  if (settings.pausedUntil <= now || !schedule_.On() || !SetTimer(hwnd(), pauseTimerId_, kPauseCheckMs, nullptr)) {
    settings.pausedUntil = 0;
    return;
  }
  ToggleAutoFade();
  schedule_.BeginPause(PauseUntil(now, settings.pausedUntil), ReadTickClock());
  UpdateTip();
}

void MainWindow::UpdateTip() {
  const FaderSettings& settings = FaderSettings::Instance();
  const uint64_t now = LocalNow();
  std::wstring tip = L"Dusklamp";
  if (schedule_.Paused()) {
    tip = FillBlanks(LoadText(IDS_PAUSED_TIP), {FormatClock(settings.clock, TimeOf(UtcToLocal(schedule_.PausedUntil())))});
  } else if (schedule_.On() && !InWorkingHours(settings.workingHours, now)) {
    if (const uint64_t start = NextWorkingStart(settings.workingHours, now)) {
      const SYSTEMTIME when = TimeOf(start);
      tip = FillBlanks(LoadText(IDS_RESUME_TIP), {DayName(when), FormatClock(settings.clock, when)});
    }
  }
  if (tip != trayIcon_.Tip()) trayIcon_.SetTip(tip.c_str());
}

void MainWindow::OnPauseTick() {
  // Paused means switched off: every way of switching on ends the pause.
  if (schedule_.PauseOver(LocalToUtc(LocalNow()), ReadTickClock())) ToggleAutoFade();
}

void MainWindow::EndPause() {
  if (!schedule_.Paused()) return;
  KillTimer(hwnd(), pauseTimerId_);
  schedule_.EndPause();
  UpdateTip();
  FaderSettings& settings = FaderSettings::Instance();
  settings.pausedUntil = 0;
  settings.SaveUnasked();
}
