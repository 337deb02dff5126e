// A day's worth of fades in one go: the Fader keeps no memory per fade.
#include "tests/win/MainWindowFixture.h"

#include <psapi.h>

#include <functional>

namespace {

double PrivateKb() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof(counters);
  GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                       sizeof(counters));
  // Wine leaves PrivateUsage at zero; its pagefile usage counts the same private commit.
  return double(counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage) / 1024.0;
}

// How much the private bytes grow over 800 rounds, after 200 rounds to fill the caches.
double GrowthKb(const std::function<void(int)>& round) {
  int i = 0;
  for (; i < 200; ++i) round(i);
  const double before = PrivateKb();
  for (; i < 1000; ++i) round(i);
  return PrivateKb() - before;
}

}  // namespace

// 1000 whole fades at the largest text, each at another minute so that every digit is drawn,
// and painted as the platform paints them. Wine itself keeps a little memory for every show and
// hide of any window and every change of a tray icon (under half a kilobyte); so the fades are
// compared with the same platform calls alone: the fades may add at most 256 KB to what those
// cost over the last 800 rounds.
TEST_F(MainWindowTest, ThousandFadesAtTheLargestTextKeepNoMemory) {
  FaderSettings::Instance().textSize = 900;
  FaderSettings::Instance().fadeDuration = 1;
  FakeClock clock;
  const double fades = GrowthKb([&](int i) {
    clock.Set(WORD(i / 60 % 24), WORD(i % 60), 0);
    Send(CmdShowFader);
    UpdateWindow(hwnd);
    for (int step = 0; step < 20 && Visible(); ++step) FadeStep();
    ASSERT_FALSE(Visible()) << "fade " << i << " did not end";
  });
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V2_SIZE;
  record.hWnd = hwnd;
  record.uID = MenuTray;
  record.uFlags = NIF_ICON;
  const HICON icons[] = {LoadIconW(nullptr, IDI_APPLICATION), LoadIconW(nullptr, IDI_INFORMATION)};
  const double platform = GrowthKb([&](int) {
    record.hIcon = icons[0];
    Shell_NotifyIconW(NIM_MODIFY, &record);
    SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ShowWindow(hwnd, SW_HIDE);
    record.hIcon = icons[1];
    Shell_NotifyIconW(NIM_MODIFY, &record);
  });
  EXPECT_LE(fades, platform + 256.0) << "800 fades: " << fades << " KB; the platform calls alone: " << platform << " KB";
}
