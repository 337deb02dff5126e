// A start, a second start, the command line and Exit, seen from outside the program.
#include <gtest/gtest.h>

#include <string>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

TEST(Startup, CreatesTheHiddenLayeredWindowUnderItsClassName) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  EXPECT_FALSE(app.FaderVisible());
  const LONG style = GetWindowLongW(app.Window(), GWL_STYLE);
  const LONG exStyle = GetWindowLongW(app.Window(), GWL_EXSTYLE);
  EXPECT_EQ(WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, style & (WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_VISIBLE | WS_CAPTION));
  const LONG wantedEx = WS_EX_TOPMOST | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_LAYERED;
  EXPECT_EQ(wantedEx, exStyle & wantedEx);
  EXPECT_EQ(1u, app.Exit());
}

TEST(Startup, SecondCopyShowsTheHiddenFaderAndExitsWithZero) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(0u, app.StartSecondCopy());
  EXPECT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  // While the Fader shows, a further start posts nothing: the Fader stays.
  EXPECT_EQ(0u, app.StartSecondCopy());
  ASSERT_TRUE(app.Settle());
  EXPECT_TRUE(app.FaderVisible());
  EXPECT_EQ(1u, app.Exit());
}

TEST(Startup, CommandLineAndShowCommandChangeNothing) {
  Dusklamp app;
  ASSERT_TRUE(app.Start(L"/show --fader maximised \"x y\"", SW_SHOWMAXIMIZED));
  ASSERT_TRUE(app.Settle());
  EXPECT_FALSE(app.FaderVisible());
  EXPECT_FALSE(IsZoomed(app.Window()));
  EXPECT_EQ(1u, app.Exit());
}

TEST(Startup, ExitEndsWithOneAndRemovesTheWindow) {
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  const HWND window = app.Window();
  EXPECT_EQ(1u, app.Exit());
  EXPECT_FALSE(IsWindow(window));
}

// Sharp on scaled displays, with the common controls of version 6: what the executable's
// manifest asks of the system.
TEST(Startup, TheManifestAsksForPerMonitorScalingAndCommonControls6) {
  const HMODULE exe = LoadLibraryExW(BuiltDusklamp().c_str(), nullptr,
                                     LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(nullptr, exe);
  const HRSRC found = FindResourceW(exe, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
  ASSERT_NE(nullptr, found);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(exe, found)));
  const std::string manifest(bytes, SizeofResource(exe, found));
  FreeLibrary(exe);
  for (const char* entry :
       {"<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>",
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>",
        "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\"",
        "<application xmlns=\"urn:schemas-microsoft-com:asm.v3\">"}) {
    EXPECT_NE(std::string::npos, manifest.find(entry)) << entry;
  }

  // And the system grants it: the running program is per-monitor aware (Windows 10 1703 and
  // later give version 2; this Wine gives version 1, the manifest's second choice).
  using ContextOfWindow = DPI_AWARENESS_CONTEXT(WINAPI*)(HWND);
  using AwarenessOf = int(WINAPI*)(DPI_AWARENESS_CONTEXT);
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  const auto contextOf = reinterpret_cast<ContextOfWindow>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetWindowDpiAwarenessContext")));
  const auto awarenessOf = reinterpret_cast<AwarenessOf>(
      reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetAwarenessFromDpiAwarenessContext")));
  ASSERT_TRUE(contextOf && awarenessOf);
  Dusklamp app;
  ASSERT_TRUE(app.Start());
  EXPECT_EQ(2, awarenessOf(contextOf(app.Window())));  // DPI_AWARENESS_PER_MONITOR_AWARE
  EXPECT_EQ(1u, app.Exit());
}
