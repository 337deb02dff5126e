#include "ui/main/TrayIcon.h"

#include <cwchar>

#include "app/Module.h"
#include "app/Resources.h"
#include "ui/Dpi.h"
#include "ui/Handles.h"
#include "ui/WinRect.h"
#include "ui/fader/LocalTime.h"
#include "ui/main/Foreground.h"
#include "ui/main/TimerIds.h"

HICON LoadSmallIcon(UINT iconId, UINT dpi) {
  return static_cast<HICON>(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(iconId), IMAGE_ICON,
                                       SystemMetricForDpi(SM_CXSMICON, dpi),
                                       SystemMetricForDpi(SM_CYSMICON, dpi), LR_DEFAULTCOLOR));
}

TrayIcon::TrayIcon(TrayMenuOwner& owner)
    : record_(),
      callbackMessage_(0),
      ownTimerId_(TakeTimerId()),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")),
      owner_(owner) {
  record_.cbSize = NOTIFYICONDATAW_V2_SIZE;
  callbackMessage_ = RegisterWindowMessageW(L"WM_TRAYICON");
}

IconHandle TrayIcon::LoadPicture(UINT iconId) {
  currentIconId_ = iconId;
  const UINT dpi = TaskbarDpi();
  currentIconSize_ = SystemMetricForDpi(SM_CXSMICON, dpi);
  IconHandle icon(LoadSmallIcon(iconId, dpi));
  record_.hIcon = icon.Get();
  return icon;
}

void TrayIcon::Add(HWND window, const wchar_t* tooltip, UINT iconId, UINT id, UINT defaultCommand) {
  record_.uID = id;
  const IconHandle icon = LoadPicture(iconId);
  record_.hWnd = window;
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = callbackMessage_;
  wcsncpy(record_.szTip, tooltip, ARRAYSIZE(record_.szTip) - 1);
  added_ = Shell_NotifyIconW(NIM_ADD, &record_) != FALSE;
  SetVersion();
  defaultCommand_ = defaultCommand;
  // Owned, so it is destroyed with the main window and counts as one of the program's.
  menuOwner_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"Static", L"", WS_POPUP, 0, 0, 0, 0, window, nullptr,
                               nullptr, nullptr);
}

void TrayIcon::SetIcon(UINT iconId) {
  const IconHandle icon = LoadPicture(iconId);
  record_.uFlags = NIF_ICON;
  Shell_NotifyIconW(NIM_MODIFY, &record_);
}

void TrayIcon::SetTip(const wchar_t* tooltip) {
  wcsncpy(record_.szTip, tooltip, ARRAYSIZE(record_.szTip) - 1);
  record_.uFlags = NIF_TIP;
  if (added_) Shell_NotifyIconW(NIM_MODIFY, &record_);
}

void TrayIcon::Remove() {
  record_.uFlags = 0;
  Shell_NotifyIconW(NIM_DELETE, &record_);
  added_ = false;
  menuOwner_ = nullptr;  // destroyed with the main window, whose destruction this is part of
}

// After the shell restarts its taskbar, the icon is gone: put it back with the current picture.
// An icon the shell still knows is only refreshed.
void TrayIcon::ReAdd() {
  if (!record_.hWnd) return;
  const IconHandle icon = LoadPicture(currentIconId_);
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  added_ = Shell_NotifyIconW(NIM_ADD, &record_) || Shell_NotifyIconW(NIM_MODIFY, &record_);
  SetVersion();
}

// The keyboard reaches the icon (Win+B, the arrows): Enter or Space and the menu key arrive as
// NIN_KEYSELECT and WM_CONTEXTMENU, in the callback's form of version 4.
void TrayIcon::SetVersion() {
  record_.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &record_);
}

bool TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
    ReAdd();
    result = 0;
    return true;
  }
  if (message != callbackMessage_ || callbackMessage_ == 0) return false;
  result = 0;
  // Version 4 brings the icon's id with the event and where it happened; a shell that keeps to
  // the earlier form sends the id and the mouse message alone, and the menu at the right
  // button's release.
  const bool version4 = HIWORD(lParam) == record_.uID;
  if (!version4 && wParam != record_.uID) return true;
  POINT at{};
  if (version4) {
    at = {short(LOWORD(wParam)), short(HIWORD(wParam))};
  } else {
    GetCursorPos(&at);
  }
  switch (LOWORD(lParam)) {
    case WM_LBUTTONDOWN:
      if (defaultCommand_ != 0) PostMessageW(record_.hWnd, WM_COMMAND, defaultCommand_, 0);
      break;
    case NIN_KEYSELECT: {
      // The shell sends it twice for one press of Enter: a second within the double-click time
      // is that same press.
      const ULONGLONG now = ReadTickClock();
      if (defaultCommand_ != 0 && now - lastKeySelectMs_ >= GetDoubleClickTime()) {
        PostMessageW(record_.hWnd, WM_COMMAND, defaultCommand_, 0);
      }
      lastKeySelectMs_ = now;
      break;
    }
    case WM_RBUTTONUP:
      if (!version4) ShowMenu(at);
      break;
    case WM_CONTEXTMENU:
      if (version4) ShowMenu(at);
      break;
    default:
      break;
  }
  return true;
}

void TrayIcon::ShowMenu(POINT point) {
  MenuHandle menu(LoadLanguageMenu(record_.uID));
  if (!menu) return;
  const HMENU popup = GetSubMenu(menu.Get(), 0);
  owner_.PrepareTrayMenu(popup);
  const HWND previous = WindowUserWorksIn(record_.hWnd);
  const HWND owner = menuOwner_ ? menuOwner_ : record_.hWnd;
  SetForegroundWindow(owner);
  if (!MonitorFromPoint(point, MONITOR_DEFAULTTONULL)) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const HMONITOR nearest = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
    if (nearest && GetMonitorInfoW(nearest, &info)) {
      point.x = ClampToWorkAreaX(point.x, ToRect(info.rcWork));
    }
  }
  const UINT command = UINT(TrackPopupMenu(popup, TPM_RETURNCMD, point.x, point.y, 0, owner, nullptr));
  PostMessageW(owner, WM_NULL, 0, 0);
  if (command != 0) PostMessageW(record_.hWnd, WM_COMMAND, command, 0);
  // Used or dismissed, the menu must not leave the keyboard with the main window: shown, it is
  // the Fader; hidden, it would be taken for a full-screen program.
  ReturnForeground(record_.hWnd, previous);
}
