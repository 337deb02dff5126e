#include "ui/main/MainWindow.h"

#include <shellapi.h>

#include "app/LockName.h"
#include "app/Module.h"
#include "app/Resources.h"
#include "settings/FaderSettings.h"
#include "ui/Handles.h"
#include "ui/fader/FadeSound.h"
#include "ui/main/Commands.h"
#include "ui/main/HotKeys.h"
#include "ui/main/TimerIds.h"
#include "ui/main/Website.h"

MainWindow& MainWindow::Instance() {
  static MainWindow window;
  return window;
}

MainWindow::MainWindow()
    : trayIcon_(*this),
      autoTimerId_(TakeTimerId()),
      fadeTimerId_(TakeTimerId()),
      pauseTimerId_(TakeTimerId()) {}

bool MainWindow::Create() {
  WNDCLASSEXW windowClass{};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  windowClass.hInstance = ResourceModule();
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = kLockName;
  return CreateBound(windowClass,
                     WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED,
                     WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, nullptr) != nullptr;
}

LRESULT MainWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      break;
    case WM_DESTROY:
      OnDestroy();
      break;
    case WM_NCDESTROY:
      OnNcDestroy();
      break;
    case WM_ERASEBKGND:
      PaintFader(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_DPICHANGED:
      OnDpiChanged();
      return 0;
    case WM_DISPLAYCHANGE:
      OnLayoutChange();
      break;
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETWORKAREA) OnLayoutChange();
      break;
    case WM_TIMER:
      OnTimer(wParam);  // never consumed: the tray icon sees every timer message too
      break;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam))) return 0;
      break;
    case WM_HOTKEY:
      if (wParam == kShowKeyId) ToggleFader();
      return 0;
    case WM_WTSSESSION_CHANGE:
    case WM_POWERBROADCAST:
      OnScreenEvent(ScreenEventOf(message, wParam, lParam));
      if (message == WM_POWERBROADCAST) return TRUE;
      break;
    default:
      break;
  }
  LRESULT result = 0;
  if (trayIcon_.HandleMessage(message, wParam, lParam, result)) return result;
  return DefWindowProcW(hwnd(), message, wParam, lParam);
}

bool MainWindow::OnCommand(UINT id) {
  switch (id) {
    case CmdToggleShow: ToggleFader(); return true;
    case CmdShowFader: ShowFader(); return true;
    case CmdHideFader: HideFader(); return true;
    case CmdAutoFade: ToggleAutoFade(); return true;
    case CmdPause30Minutes: PauseAutoFade(PauseLength::ThirtyMinutes); return true;
    case CmdPause1Hour: PauseAutoFade(PauseLength::OneHour); return true;
    case CmdPause2Hours: PauseAutoFade(PauseLength::TwoHours); return true;
    case CmdPauseUntilTomorrow: PauseAutoFade(PauseLength::UntilTomorrow); return true;
    case CmdOptions: ShowOptionsDialog(); return true;
    case CmdWebsite: OpenWebsite(); return true;
    case CmdAbout: ShowAboutDialog(); return true;
    case CmdExit: ExitProgram(); return true;
    default: return false;
  }
}

void MainWindow::OnCreate() {
  FaderSettings::Instance().Load();
  UseLanguage(FaderSettings::Instance().language);  // a new choice speaks at the next start
  trayIcon_.Add(hwnd(), L"Dusklamp", IconMain, MenuTray, CmdToggleShow);
  SetTrayIcon(IconAutoFadeOn);
  opacityPercent_ = 100;
  SetLayeredWindowAttributes(hwnd(), 0, 255, LWA_ALPHA);
  captureExcluded_ = false;  // a new window: nothing asked of it yet, and no fade of its own
  schedule_ = Schedule();
  if (!autoTimerWindow_ && IsWindow(hwnd())) autoTimerWindow_ = hwnd();
  if (!fadeTimerWindow_ && IsWindow(hwnd())) fadeTimerWindow_ = hwnd();
  StartAutoFade();
  ResumePause();
  // A key another program holds now stays in the settings, tried again at the next Options OK.
  TakeShowKey(hwnd(), FaderSettings::Instance().showKey);
  screenWatch_.Start(hwnd());
}

void MainWindow::OnDestroy() {
  if (schedule_.On()) {
    KillTimer(autoTimerWindow_, autoTimerId_);
    schedule_.SwitchOff();
  }
  autoTimerWindow_ = nullptr;
  if (fadeRunning_) {
    KillTimer(fadeTimerWindow_, fadeTimerId_);
    fadeRunning_ = false;
  }
  fadeTimerWindow_ = nullptr;
  KillTimer(hwnd(), pauseTimerId_);  // a pause goes on at the next start: it is kept, not ended
  otherOverlays_.Clear();
  TakeShowKey(hwnd(), HotKey());
  screenWatch_.Stop();
  StopFadeSound();
  if (trayIcon_.IsAdded()) trayIcon_.Remove();
  PostQuitMessage(1);
}

void MainWindow::OnNcDestroy() { FaderSettings::Instance().SaveUnasked(); }

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == autoTimerId_) {
    OnAutoFadeTick();
  } else if (id == fadeTimerId_) {
    OnFadeTick();
  } else if (id == pauseTimerId_) {
    OnPauseTick();
  }
}

void MainWindow::ToggleAutoFade() {
  if (schedule_.On()) {
    KillTimer(autoTimerWindow_, autoTimerId_);
    schedule_.SwitchOff();
    if (IsWindowVisible(hwnd())) ToggleFader();
    SetTrayIcon(IconAutoFadeOff);
    UpdateTip();
  } else {
    StartAutoFade();
    if (!fadeRunning_) SetTrayIcon(IconAutoFadeOn);
  }
}

void MainWindow::OpenWebsite() {
  ShellExecuteW(nullptr, L"open", kWebsiteTarget, nullptr, nullptr, SW_SHOWNORMAL);
}

void MainWindow::ExitProgram() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void MainWindow::SetTrayIcon(UINT iconId) { trayIcon_.SetIcon(iconId); }

void MainWindow::PrepareTrayMenu(HMENU popup) {
  if (!popup) return;
  RemoveMenu(popup, CmdToggleShow, MF_BYCOMMAND);
  RemoveMenu(popup, fadeRunning_ ? CmdShowFader : CmdHideFader, MF_BYCOMMAND);
  CheckMenuItem(popup, CmdAutoFade, MF_BYCOMMAND | (schedule_.On() ? MF_CHECKED : MF_UNCHECKED));
  // Automatic fading switched off by the user has nothing to pause; a pause can be chosen anew.
  const int items = GetMenuItemCount(popup);
  for (int i = 0; i < items; ++i) {
    if (GetSubMenu(popup, i)) {
      EnableMenuItem(popup, UINT(i), MF_BYPOSITION | (schedule_.On() || schedule_.Paused() ? MF_ENABLED : MF_GRAYED));
    }
  }
}
