// Hundreds of shows, hides, paints, whole fades, menus and dialogs leave the process's GDI object
// and handle counts where they were. GetGuiResources is a stub under Wine, so the count comes from
// Wine's own trace of every GDI allocation and free in the process.
#include <gtest/gtest.h>

#include <algorithm>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

void ShowAndHide(const Dusklamp& app) {
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }, 3000));
  Sleep(15);  // a paint
  app.Command(CMD_HIDE_FADER);
  ASSERT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }, 3000));
}

void OpenAndDismissMenu(const Dusklamp& app) {
  app.Tray(WM_RBUTTONUP);
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(app.ProcessId(), L"#32768", nullptr)) != nullptr; }, 3000));
  PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
  ASSERT_TRUE(WaitUntil([&] { return FindProcessWindow(app.ProcessId(), L"#32768", nullptr) == nullptr; }, 3000));
}

void OpenAndClose(const Dusklamp& app, UINT command, const wchar_t* caption, int button) {
  app.Command(command);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitUntil([&] { return (dialog = FindProcessWindow(app.ProcessId(), L"#32770", caption)) != nullptr; }, 3000));
  PostMessageW(dialog, WM_COMMAND, button, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }, 3000));
}

// A whole fade that ends by itself (the copy's fades last one second).
void CompleteFade(const Dusklamp& app) {
  app.Command(CMD_SHOW_FADER);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }, 3000));
  ASSERT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }, 5000));
}

void Everything(const Dusklamp& app, int rounds) {
  for (int i = 0; i < rounds && !testing::Test::HasFatalFailure(); ++i) {
    ShowAndHide(app);
    if (i % 10 == 0 && !testing::Test::HasFatalFailure()) {
      OpenAndDismissMenu(app);
      OpenAndClose(app, CMD_OPTIONS, L"Dusklamp Options", i % 20 ? IDOK : IDCANCEL);
      OpenAndClose(app, CMD_ABOUT, L"About Dusklamp", IDOK);
    }
    if (i % 25 == 0 && !testing::Test::HasFatalFailure()) CompleteFade(app);
  }
}

}  // namespace

// Wine's caches in the process now and then take a step of a few objects, the same in a program
// that has no leak.
constexpr long kWineCacheStep = 6;
// Wine keeps about 30 window DCs after this test, 66 once its prefix has met a sound device (the
// same for a build without sound); DCs taken and never given back go far beyond.
constexpr long kMostWindowDcs = 96;

TEST(Leaks, GdiObjectCountReturnsToItsBaseline) {
  Dusklamp app;
  // A copy started from the Unix side may find another program in the foreground: unblocked.
  WriteFileBytes(app.SettingsPath(),
                 "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">"
                 "<Options><Fader auto_block=\"0\" fade_duration=\"1\" /></Options></DusklampSettings>");
  const std::wstring trace = app.Folder() + L"\\gdi-trace.log";
  ASSERT_TRUE(app.StartTracingGdi(trace));
  Everything(app, 41);  // every path many times, so that caches are filled
  ASSERT_FALSE(HasFatalFailure());
  ASSERT_TRUE(app.Settle());  // everything asked for so far is done
  const long baseline = LiveGdiObjects(trace).Drawing();
  ASSERT_GT(baseline, 0) << "no GDI trace: the count would prove nothing";
  const DWORD baseHandles = SystemHandleCount(app.ProcessId());
  ASSERT_GT(baseHandles, 0u) << "no handle count: it would prove nothing";
  long counts[2] = {};
  for (long& count : counts) {
    Everything(app, 80);
    ASSERT_FALSE(HasFatalFailure());
    ASSERT_TRUE(app.Settle());
    count = LiveGdiObjects(trace).Drawing();
  }
  // A leak grows the count in both halves alike (by 8 for one object per dialog, by 80 for one
  // per show); a cache still filling takes its step in one of them.
  const long growth = std::min(counts[0] - baseline, counts[1] - counts[0]);
  EXPECT_LE(growth, kWineCacheStep) << baseline << ", then " << counts[0] << ", then " << counts[1];
  EXPECT_LE(LiveGdiObjects(trace).windowDcs, kMostWindowDcs);
  EXPECT_LE(SystemHandleCount(app.ProcessId()), baseHandles);
  EXPECT_EQ(1u, app.Exit());
}
