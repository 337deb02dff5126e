#pragma once
// Meeting Dusklamp as a user does: real pointer and keyboard input through XTest (xdotool),
// Wine's own notification area, a window of the tests' own beneath the Fader, and the screen
// as the compositor shows it.
#include <windows.h>

#include <functional>
#include <string>

// Runs `xdotool` with the given arguments and waits for it.
void Xdo(const std::wstring& arguments);
void ClickAt(POINT point, int button = 1);
// Gives the X keyboard focus to the window with this title, as a window manager would when a
// window is clicked or a dialog opens: without one, the X focus stays where it was set last, and
// under Wine the keyboard follows the X focus.
void GiveXFocus(const std::wstring& title);
void PressKeys(const std::wstring& keys);  // xdotool key names, e.g. "Escape"
void TypeText(const std::wstring& text);

// Dispatches this thread's messages until the condition holds; false after the timeout.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 15000);

// Dusklamp's icon, the only one in Wine's notification area; null until the shell shows it.
HWND TrayIconWindow();
POINT TrayIconPoint();
// A click on that icon, as a separate click even right after another one.
void ClickTrayIcon(int button = 1);
// The middle of a window's client area, or of a dialog control.
POINT CentreOf(HWND window);
// The middle of item `index` (separators counted) of Dusklamp's open tray menu `menuWindow`.
POINT MenuItemPoint(HWND menuWindow, int index);
// The middle of item `index` of an open submenu of that menu whose items are all text items.
POINT SubmenuItemPoint(HWND submenuWindow, int index);

// Distance between two colours: the largest difference of one channel.
int ColourDistance(COLORREF a, COLORREF b);
// What the compositor shows for `top` at `alpha` over `beneath`.
COLORREF Blend(COLORREF top, COLORREF beneath, int alpha);

// A plain window of the user's: one colour with a patch of another, recording the clicks and
// characters it receives.
class UserWindow {
 public:
  UserWindow(const RECT& place, COLORREF colour, COLORREF patchColour);
  ~UserWindow();
  UserWindow(const UserWindow&) = delete;
  UserWindow& operator=(const UserWindow&) = delete;

  HWND Handle() const { return window_; }
  // A point on the screen inside the window, away from the patch and the Fader's digits.
  POINT Plain() const;
  POINT Patch() const;
  // A real click, and the X keyboard focus as a window manager would give it.
  void ClickToFocus() const;
  int Clicks() const { return clicks_; }
  const std::wstring& Typed() const { return typed_; }
  bool IsForeground() const { return GetForegroundWindow() == window_; }
  // The foreground window, with the keyboard focus of its thread.
  bool HasKeyboard() const { return IsForeground() && GetFocus() == window_; }

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  RECT place_;
  COLORREF colour_, patchColour_;
  int clicks_ = 0;
  std::wstring typed_;
};
