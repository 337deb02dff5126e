#pragma once
// What Windows says of the screen the Fader would show on: the session locked and unlocked, the
// display switched off and on.
#include <windows.h>

enum class ScreenEvent { None, Locked, Unlocked, DisplayOff, DisplayOn };

// What a window message says of the screen; None for any other message.
ScreenEvent ScreenEventOf(UINT message, WPARAM wParam, LPARAM lParam);

// Asks Windows to send the window those messages while it lives.
class ScreenWatch {
 public:
  void Start(HWND window);
  void Stop();
  ~ScreenWatch() { Stop(); }

 private:
  HWND window_ = nullptr;
  HPOWERNOTIFY display_ = nullptr;
};
