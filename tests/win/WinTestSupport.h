#pragma once
// Helpers for tests that run the program's windows in this process.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>

// The folder of this test program, where a portable copy keeps Settings.xml.
std::wstring ExeFolder();
std::wstring PortableSettingsFile();

// The exit code of this test program started again with `arguments`; STILL_ACTIVE if it did not
// end within half a minute.
DWORD ExitCodeOfThisProgram(const std::wstring& arguments);

// Dispatches this thread's pending messages.
void PumpMessages();
// Pumps messages until the condition holds; false after the timeout.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs = 5000);
// The main window's quit message would end the next modal loop: drop it.
void DropQuitMessage();

// A plain popup window of this thread at the given place, made the foreground window.
HWND ForegroundWindowAt(const RECT& rect);
// A captioned window maximized over a work area as Windows 10 and 11 report one: reaching past it
// by the resizing frame on every side. Shown without taking the foreground.
HWND MaximizedWindowOver(const RECT& work);

// A local clock the tests set by hand, from 8 December 2026, in a zone without daylight saving
// time at UTC, and a tick count beside it that only Advance moves, as a clock the user cannot set.
struct FakeClock {
  FakeClock();
  ~FakeClock();
  void Set(WORD hour, WORD minute, WORD second);
  void Advance(ULONGLONG ms) { ticks += ms; }
  static SYSTEMTIME now;
  static ULONGLONG ticks;
};

// Runs `action` from inside the next modal loop of this thread (a dialog, a menu, the colour
// dialog) every 50 ms until it returns true; after ten seconds every dialog is cancelled so that
// a failing test cannot hang.
void WhenModal(std::function<bool()> action);

// Runs `action` and says whether it returned within the limit; a modal loop that keeps it from
// returning is ended when the limit has passed, so that a failing test cannot hang.
bool ReturnsWithin(const std::function<void()>& action, DWORD timeoutMs = 5000);

// The visible top-level window of this thread with the given caption, or the class "#32770".
HWND FindThreadDialog(const wchar_t* caption);

// Text of a window or dialog control.
std::wstring TextOf(HWND window);

// A bitmap of a window's client-area size, in a device context like the window's.
class ClientCanvas {
 public:
  explicit ClientCanvas(HWND window);
  ~ClientCanvas();
  ClientCanvas(const ClientCanvas&) = delete;
  ClientCanvas& operator=(const ClientCanvas&) = delete;
  void PrintClient();  // the window draws its client area here
  HDC dc = nullptr;
  RECT rect{};

 private:
  HWND window_;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ oldBitmap_ = nullptr;
};

// The colour of a pixel of a window's client area, read back from its own drawing.
COLORREF ClientPixel(HWND window, int x, int y);

// A pixel of text in the link colour (pure blue), also where font smoothing, which the system
// uses for larger text on scaled displays, has mixed it with the background.
inline bool IsLinkBlue(COLORREF pixel) {
  return int(GetBValue(pixel)) - int(std::max(GetRValue(pixel), GetGValue(pixel))) >= 100;
}
