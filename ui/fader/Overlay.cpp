// The main window as the Fader overlay: opacity, placement, showing and hiding.
#include "settings/FaderSettings.h"
#include "ui/WinRect.h"
#include "ui/fader/Audience.h"
#include "ui/fader/Monitors.h"
#include "ui/fader/Opacity.h"
#include "ui/main/MainWindow.h"

bool MainWindow::SetOpacity(int percent) {
  opacityPercent_ = ClampPercent(percent);
  otherOverlays_.SetAlpha(AlphaForPercent(opacityPercent_));
  return SetLayeredWindowAttributes(hwnd(), 0, AlphaForPercent(opacityPercent_), LWA_ALPHA) != FALSE;
}

RECT& MainWindow::GetPrimaryWorkArea(RECT& area) const {
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) SetRectEmpty(&area);
  return area;
}

// The main window takes the first area, the other overlays the rest. With every monitor and the
// full-screen block on, a monitor that another program's window covers whole is left alone.
// Empty when there is nothing to cover.
std::vector<Rect> MainWindow::AreasToCover() const {
  const FaderSettings& settings = FaderSettings::Instance();
  std::vector<MonitorArea> monitors = QueryMonitors();
  if (monitors.empty()) {
    RECT work;
    return {ToRect(GetPrimaryWorkArea(work))};
  }
  const bool skipCovered = settings.showOn == FaderMonitors::All && settings.autoBlock;
  if (skipCovered) MarkCoveredMonitors(monitors, hwnd());
  std::vector<Rect> areas;
  for (const MonitorArea& monitor :
       MonitorsToCover(settings.showOn, monitors, {pointerAtShow_.x, pointerAtShow_.y}, skipCovered)) {
    areas.push_back(monitor.work);
  }
  return areas;
}

void MainWindow::PlaceOnWorkArea(const Rect& work) {
  RECT current{};
  GetWindowRect(hwnd(), &current);
  if (ToRect(current) != work) MoveWindow(hwnd(), work.left, work.top, work.Width(), work.Height(), FALSE);
}

// Placed on its work area while still hidden, at 1 percent, then shown without activation so
// that the focus stays where the user works; the other monitors' overlays follow at its alpha.
void MainWindow::ShowOverlay(const std::vector<Rect>& areas) {
  PlaceOnWorkArea(areas.front());
  ApplyCaptureExclusion();
  BeginFadeIn();
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  // Whatever surface the platform kept from the last show, this one shows the time now.
  InvalidateRect(hwnd(), nullptr, TRUE);
  // Only after their owner: under Wine, overlays shown while it was hidden left every window of
  // the Fader unseen on the screen.
  otherOverlays_.Cover(hwnd(), {areas.begin() + 1, areas.end()}, AlphaForPercent(opacityPercent_),
                       FaderSettings::Instance().hideFromCapture);
}

void MainWindow::HideOverlay() {
  ShowWindow(hwnd(), SW_HIDE);
  otherOverlays_.Clear();
}

// Monitors plugged in, unplugged, moved or rescaled, or a taskbar moved: a shown Fader covers the
// new layout at once, a new monitor's overlay at the opacity of the moment.
void MainWindow::OnLayoutChange() {
  if (!IsWindowVisible(hwnd())) return;
  const std::vector<Rect> areas = AreasToCover();
  if (areas.empty()) {
    ToggleFader();
    return;
  }
  RECT before{};
  GetWindowRect(hwnd(), &before);
  PlaceOnWorkArea(areas.front());
  if (ToRect(before) != areas.front()) InvalidateRect(hwnd(), nullptr, TRUE);
  otherOverlays_.Cover(hwnd(), {areas.begin() + 1, areas.end()}, AlphaForPercent(opacityPercent_),
                       FaderSettings::Instance().hideFromCapture);
}

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
  OnLayoutChange();
  if (IsWindowVisible(hwnd())) InvalidateRect(hwnd(), nullptr, TRUE);
}
