#include "ui/main/ScreenWatch.h"

#include <wtsapi32.h>

#include <cstring>

#include "app/SystemLibraries.h"

namespace {

// The console's display: off, on or dimmed (Windows 8 and later).
const GUID kConsoleDisplayState = {0x6FE69556, 0x704A, 0x47A0, {0x8F, 0x24, 0xC2, 0x8D, 0x93, 0x6F, 0xDA, 0x47}};

// wtsapi32 is no KnownDLL: taken from the system folder by its path.
HMODULE SessionLibrary() {
  static const LibraryHandle library = LoadSystemLibrary(L"wtsapi32.dll");
  return library.Get();
}

}  // namespace

ScreenEvent ScreenEventOf(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_WTSSESSION_CHANGE) {
    if (wParam == WTS_SESSION_LOCK) return ScreenEvent::Locked;
    if (wParam == WTS_SESSION_UNLOCK) return ScreenEvent::Unlocked;
  }
  if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam) {
    const auto* setting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    if (IsEqualGUID(setting->PowerSetting, kConsoleDisplayState) && setting->DataLength >= sizeof(DWORD)) {
      DWORD state = 0;
      std::memcpy(&state, setting->Data, sizeof(state));
      return state == 0 ? ScreenEvent::DisplayOff : ScreenEvent::DisplayOn;  // dimmed is still seen
    }
  }
  return ScreenEvent::None;
}

void ScreenWatch::Start(HWND window) {
  Stop();
  window_ = window;
  using Register = BOOL(WINAPI*)(HWND, DWORD);
  if (const auto start = LibraryFunction<Register>(SessionLibrary(), "WTSRegisterSessionNotification")) {
    start(window, NOTIFY_FOR_THIS_SESSION);
  }
  display_ = RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void ScreenWatch::Stop() {
  if (!window_) return;
  using Unregister = BOOL(WINAPI*)(HWND);
  if (const auto stop = LibraryFunction<Unregister>(SessionLibrary(), "WTSUnRegisterSessionNotification")) {
    stop(window_);
  }
  if (display_) UnregisterPowerSettingNotification(display_);
  display_ = nullptr;
  window_ = nullptr;
}
