// The fade engine: when the Fader shows and hides and how its opacity moves in between.
#include "settings/FaderSettings.h"
#include "ui/fader/Audience.h"
#include "ui/fader/FadeCurve.h"
#include "ui/fader/FadeSound.h"
#include "ui/fader/Opacity.h"
#include "ui/fader/ShowBlock.h"
#include "ui/main/Commands.h"
#include "ui/main/MainWindow.h"

namespace {
constexpr UINT kAutoFadeCheckMs = 5000;
}

void MainWindow::ToggleFader() {
  const bool shown = IsWindowVisible(hwnd()) != FALSE;
  std::vector<Rect> areas;
  if (!shown) {
    areas = AreasForShow();
    if (areas.empty()) return;
  }
  SetTrayIcon(!shown ? IconMain : schedule_.On() ? IconAutoFadeOn : IconAutoFadeOff);
  if (shown) {
    if (fadeRunning_) {
      KillTimer(fadeTimerWindow_, fadeTimerId_);
      fadeRunning_ = false;
    }
    HideOverlay();
  } else {
    ShowOverlay(areas);
  }
}

std::vector<Rect> MainWindow::AreasForShow() {
  if (ShowBlocked(FaderSettings::Instance().autoBlock, IsFullScreenAppRunning(), QueryShellState())) return {};
  GetCursorPos(&pointerAtShow_);
  return AreasToCover();  // none when every monitor is covered by another program
}

void MainWindow::ShowFader() {
  if (!IsWindowVisible(hwnd())) ToggleFader();
}

void MainWindow::HideFader() {
  if (IsWindowVisible(hwnd())) ToggleFader();
}

void MainWindow::StartAutoFade() {
  EndPause();
  if (autoTimerWindow_ && IsWindow(autoTimerWindow_) &&
      SetTimer(autoTimerWindow_, autoTimerId_, kAutoFadeCheckMs, nullptr)) {
    schedule_.SwitchOn(LocalNow());
  }
  UpdateTip();
}

void MainWindow::BeginFadeIn() {
  opacityPercent_ = 1;
  SetLayeredWindowAttributes(hwnd(), 0, AlphaForPercent(1), LWA_ALPHA);
  otherOverlays_.SetAlpha(AlphaForPercent(1));
  fadeElapsedMs_ = 0;
  if (fadeTimerWindow_ && IsWindow(fadeTimerWindow_)) {
    SetTimer(fadeTimerWindow_, fadeTimerId_, kFadeStepMs, nullptr);
    fadeRunning_ = true;
  }
}

void MainWindow::OnAutoFadeTick() {
  const FaderSettings& settings = FaderSettings::Instance();
  const uint64_t now = LocalNow();
  UpdateTip();  // the working hours may have ended or begun
  if (!schedule_.FadeDue(now, settings.autoFadeInterval, settings.workingHours) || IsWindowVisible(hwnd())) {
    return;
  }
  if (settings.showFader) {
    ToggleFader();
    if (!IsWindowVisible(hwnd())) return;  // blocked: the next check tries again
  } else if (AreasForShow().empty()) {
    return;  // heard only where it would have been seen
  }
  schedule_.Faded(now);
  PlayFadeSound(settings);
}

void MainWindow::OnFadeTick() {
  fadeElapsedMs_ += kFadeStepMs;  // steps, not clock time: a late timer does not skip ahead
  // A long fade may cross a minute: the Fader shows the time, so it is drawn again, once.
  if (LocalTime().MinuteOfDay() != paintedMinuteOfDay_) {
    InvalidateRect(hwnd(), nullptr, TRUE);
    otherOverlays_.Invalidate();
  }
  const FaderSettings& settings = FaderSettings::Instance();
  const FadeStep step =
      NextFadeStep(fadeElapsedMs_, settings.fadeDuration, settings.maxOpacity, opacityPercent_);
  switch (step.action) {
    case FadeStep::Action::SetOpacity:
      SetOpacity(step.opacity);
      break;
    case FadeStep::Action::Hide:
      if (IsWindowVisible(hwnd())) ToggleFader();
      break;
    case FadeStep::Action::Keep:
      break;
  }
}

// Nobody sees a fade on a locked screen or one switched off: none comes, and one that shows goes.
void MainWindow::OnScreenEvent(ScreenEvent event) {
  const uint64_t now = LocalNow();
  switch (event) {
    case ScreenEvent::Locked: schedule_.SetLocked(true, now); break;
    case ScreenEvent::Unlocked: schedule_.SetLocked(false, now); break;
    case ScreenEvent::DisplayOff: schedule_.SetDisplayOn(false, now); break;
    case ScreenEvent::DisplayOn: schedule_.SetDisplayOn(true, now); break;
    case ScreenEvent::None: return;
  }
  if (!schedule_.ScreenSeen()) HideFader();
}
