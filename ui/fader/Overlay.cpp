// The main window as the Fader overlay: opacity, placement, showing and hiding.
#include "settings/FaderSettings.h"
#include "ui/fader/Audience.h"
#include "ui/fader/Opacity.h"
#include "ui/main/MainWindow.h"

bool MainWindow::SetOpacity(int percent) {
  opacityPercent_ = ClampPercent(percent);
  return SetLayeredWindowAttributes(hwnd(), 0, AlphaForPercent(opacityPercent_), LWA_ALPHA) != FALSE;
}

RECT& MainWindow::GetPrimaryWorkArea(RECT& area) const {
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) SetRectEmpty(&area);
  return area;
}

void MainWindow::PlaceOnWorkArea() {
  RECT work;
  GetPrimaryWorkArea(work);
  RECT current{};
  GetWindowRect(hwnd(), &current);
  if (!EqualRect(&current, &work)) {
    MoveWindow(hwnd(), work.left, work.top, work.right - work.left, work.bottom - work.top, FALSE);
  }
}

// Placed on the primary work area while still hidden, at 1 percent, then shown without
// activation so that the focus stays where the user works.
void MainWindow::ShowOverlay() {
  PlaceOnWorkArea();
  ApplyCaptureExclusion();
  BeginFadeIn();
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // Whatever surface the platform kept from the last show, this one shows the time now.
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void MainWindow::HideOverlay() { ShowWindow(hwnd(), SW_HIDE); }

// Before the window shows, so that no frame of it reaches a screen share or a recording. Where
// Windows refuses, the next show asks again.
void MainWindow::ApplyCaptureExclusion() {
  const bool wanted = FaderSettings::Instance().hideFromCapture;
  if (wanted != captureExcluded_ && ExcludeFromCapture(hwnd(), wanted)) captureExcluded_ = wanted;
}

// The platform proposes a rectangle scaled for the new DPI; the Fader keeps to the work area
// instead, as it now is, and draws its digits at the new scale. The tray shows the icon drawn
// for the new small-icon size.
void MainWindow::OnDpiChanged() {
  if (trayIcon_.IsAdded()) SetTrayIcon(trayIcon_.CurrentIconId());
  if (!IsWindowVisible(hwnd())) return;
  PlaceOnWorkArea();
  InvalidateRect(hwnd(), nullptr, TRUE);
}
