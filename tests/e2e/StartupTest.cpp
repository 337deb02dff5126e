// A start, a second start, the command line and Exit, seen from outside the program.
#include <gtest/gtest.h>

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
