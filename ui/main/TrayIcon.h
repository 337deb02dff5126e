#pragma once
// The notification-area icon: its record, its callback message, clicks and the popup menu.
#include <windows.h>
#include <shellapi.h>

#include "ui/Handles.h"

class TrayMenuOwner {
 public:
  // Adjusts the freshly loaded popup menu to the current state before it is shown.
  virtual void PrepareTrayMenu(HMENU popup) = 0;

 protected:
  ~TrayMenuOwner() = default;
};

class TrayIcon {
 public:
  explicit TrayIcon(TrayMenuOwner& owner);

  // Adds the icon, showing the icon resource `iconId`.
  void Add(HWND window, const wchar_t* tooltip, UINT iconId, UINT id, UINT defaultCommand);
  // Shows the icon resource `iconId`; remembered so a re-added icon shows the same picture. Drawn
  // for the notification area's scale.
  void SetIcon(UINT iconId);
  void SetTip(const wchar_t* tooltip);
  const wchar_t* Tip() const { return record_.szTip; }
  void Remove();
  bool IsAdded() const { return added_; }
  UINT CallbackMessage() const { return callbackMessage_; }
  UINT CurrentIconId() const { return currentIconId_; }
  HWND MenuOwner() const { return menuOwner_; }
  int CurrentIconSize() const { return currentIconSize_; }  // in pixels

  // Offered every message the main window did not complete; true when it completed it.
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  void ShowMenu(POINT point);
  void ReAdd();
  void SetVersion();
  // Loads the icon resource into the record; the caller destroys it once the shell has it.
  IconHandle LoadPicture(UINT iconId);

  NOTIFYICONDATAW record_;
  // The popup menu's owner: a window of the main window's that is never shown. Made the
  // foreground window so that the menu closes when the user clicks elsewhere, it takes nothing
  // from the visible Fader (under Wine, moving the keyboard to that window deactivated it again
  // as the menu began, and the menu closed at once).
  HWND menuOwner_ = nullptr;
  UINT callbackMessage_;
  bool added_ = false;
  UINT defaultCommand_ = 0;
  ULONGLONG lastKeySelectMs_ = 0;  // on the tick clock
  UINT ownTimerId_;  // taken so the main window's timers keep their ids; never armed
  UINT taskbarCreatedMessage_;
  UINT currentIconId_ = 0;
  int currentIconSize_ = 0;
  TrayMenuOwner& owner_;
};

// Loads an icon resource of the program at the small-icon size of `dpi`, from the image drawn
// at that size.
HICON LoadSmallIcon(UINT iconId, UINT dpi);
