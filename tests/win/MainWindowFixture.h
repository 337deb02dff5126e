#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "settings/FaderSettings.h"
#include "ui/main/Commands.h"
#include "ui/main/MainWindow.h"
#include "tests/win/WinTestSupport.h"

// The one main window of this process, created afresh for each test with default settings.
class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteFileW(PortableSettingsFile().c_str());
    static_cast<FaderOptions&>(FaderSettings::Instance()) = FaderOptions();
    FaderSettings::Instance().pausedUntil = 0;
    ASSERT_TRUE(window.Create());
    hwnd = window.hwnd();
  }
  void TearDown() override {
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
    DropQuitMessage();
    PumpMessages();
  }

  void Send(UINT command) { SendMessageW(hwnd, WM_COMMAND, command, 0); }
  // Runs `work` inside the dialog the command opens, then cancels it; false if none opened.
  bool WorkInDialog(UINT command, const std::function<void(HWND)>& work) {
    bool opened = false;
    WhenModal([&] {
      const HWND dialog = FindThreadDialog(nullptr);
      if (!dialog) return false;
      opened = true;
      work(dialog);
      SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      return true;
    });
    Send(command);
    return opened;
  }
  void Tick(UINT timerId) { SendMessageW(hwnd, WM_TIMER, timerId, 0); }
  void FadeStep() { Tick(window.FadeTimerId()); }
  void AutoTick() { Tick(window.AutoTimerId()); }
  bool Visible() const { return IsWindowVisible(hwnd) != FALSE; }
  int Alpha() const {
    BYTE alpha = 0;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags) ? alpha : -1;
  }
  UINT Icon() const { return window.Tray().CurrentIconId(); }

  MainWindow& window = MainWindow::Instance();
  HWND hwnd = nullptr;
};
