#pragma once
// The program's one top-level window: it is the Fader overlay, owns the tray icon and both fade
// timers, and receives every command.
#include <windows.h>

#include <vector>

#include "ui/Window.h"
#include "ui/fader/LocalTime.h"
#include "ui/fader/OverlayWindows.h"
#include "ui/fader/PauseTime.h"
#include "ui/fader/Schedule.h"
#include "ui/main/ScreenWatch.h"
#include "ui/main/TrayIcon.h"

class Dialog;

class MainWindow : public Window, public TrayMenuOwner {
 public:
  static MainWindow& Instance();

  // Creates the hidden window; false if the platform refused.
  bool Create();

  // Fade engine.
  void ToggleFader();
  void ShowFader();
  void HideFader();
  void ToggleAutoFade();
  void StartAutoFade();
  void BeginFadeIn();
  void OnAutoFadeTick();
  void OnFadeTick();
  // Automatic fading off until the pause ends, then on again by itself.
  void PauseAutoFade(PauseLength length);
  void OnPauseTick();

  // Overlay.
  bool SetOpacity(int percent);
  RECT& GetPrimaryWorkArea(RECT& area) const;
  void PaintFader(HDC dc);
  bool IsFullScreenAppRunning() const;

  // Tray.
  void SetTrayIcon(UINT iconId);
  void PrepareTrayMenu(HMENU popup) override;

  // State, read by the tray menu and by tests.
  int OpacityPercent() const { return opacityPercent_; }
  bool AutoFadeOn() const { return schedule_.On(); }
  bool FadeRunning() const { return fadeRunning_; }
  bool Paused() const { return schedule_.Paused(); }
  UINT PauseTimerId() const { return pauseTimerId_; }
  int FadeElapsedMs() const { return fadeElapsedMs_; }
  UINT AutoTimerId() const { return autoTimerId_; }
  UINT FadeTimerId() const { return fadeTimerId_; }
  const TrayIcon& Tray() const { return trayIcon_; }
  // The Fader's windows on other monitors while it shows.
  std::vector<HWND> OtherOverlays() const { return otherOverlays_.Windows(); }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  MainWindow();

  // Message map entries; each returns true when it completed the message.
  bool OnCommand(UINT id);
  void OnCreate();
  void OnDestroy();
  void OnNcDestroy();
  void OnTimer(UINT_PTR id);

  INT_PTR RunOwnedDialog(Dialog& dialog);
  void ShowOptionsDialog();
  void ShowAboutDialog();
  void OpenWebsite();
  void ExitProgram();

  std::vector<Rect> AreasToCover() const;
  // Where a show would cover: none when a full-screen program or a presentation refuses it.
  std::vector<Rect> AreasForShow();
  void ShowOverlay(const std::vector<Rect>& areas);
  void HideOverlay();
  void PlaceOnWorkArea(const Rect& work);
  void OnLayoutChange();
  void ApplyCaptureExclusion();
  void EndPause();
  void ResumePause();
  // The tooltip says when automatic fades come again: after a pause, or outside the working hours.
  void UpdateTip();
  void OnScreenEvent(ScreenEvent event);
  void OnDpiChanged();

  TrayIcon trayIcon_;
  int opacityPercent_ = 100;
  HWND autoTimerWindow_ = nullptr;
  UINT autoTimerId_;
  HWND fadeTimerWindow_ = nullptr;
  UINT fadeTimerId_;
  bool fadeRunning_ = false;
  int fadeElapsedMs_ = 0;
  int paintedMinuteOfDay_ = -1;
  UINT pauseTimerId_;  // armed while the schedule is paused
  Schedule schedule_;
  ScreenWatch screenWatch_;
  bool captureExcluded_ = false;
  OverlayWindows otherOverlays_;
  POINT pointerAtShow_{};  // where "the monitor with the mouse pointer" was when the Fader showed
};
