// Automatic fades of the running program against the real clock: slow by nature (a whole
// interval must pass), so CTest runs this suite on its own.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/Harness.h"

namespace {

WORD SecondNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wSecond;
}

// Interval 1 and a 2-second fade, never blocked.
void WriteShortFadesEveryMinute(const Dusklamp& app) {
  WriteFileBytes(app.SettingsPath(),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                 "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
                 "<Options><Fader auto_fade_interval=\"1\" fade_duration=\"2\" auto_block=\"0\" /></Options>"
                 "</DusklampSettings>\n");
}

}  // namespace

// Interval 1 and a 2-second fade: the fade has ended long before the first eleven seconds of
// its minute are over, and the next checks of that minute must not start another.
TEST(RealClock, AShortAutomaticFadeComesOncePerMinute) {
  Dusklamp app;
  WriteShortFadesEveryMinute(app);
  ASSERT_TRUE(app.Start());
  // The first automatic fade comes at the first whole minute at least a minute after the start.
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }, 150000)) << "no automatic fade";
  int shows = 1;
  bool shown = true;
  // Watched until the checks of this minute are over (second 10, with a margin for a late timer)
  // and the Fader is hidden; a 2-second fade stays visible for more than two seconds, far longer
  // than one look takes.
  WaitUntil([&] {
    const bool visible = app.FaderVisible();
    if (visible && !shown) ++shows;
    shown = visible;
    const WORD second = SecondNow();
    return !visible && second >= 25 && second < 50;
  }, 90000);
  EXPECT_EQ(1, shows) << "automatic fades in one minute";
  EXPECT_EQ(1u, app.Exit());
}

// A pause chosen, the program ended and started again: with interval 1 no automatic fade comes
// in the next two minutes.
TEST(RealClock, APauseHoldsAcrossARestart) {
  Dusklamp app;
  WriteShortFadesEveryMinute(app);
  ASSERT_TRUE(app.Start());
  app.Command(CMD_PAUSE_30_MINUTES);
  ASSERT_TRUE(app.Settle());
  EXPECT_EQ(1u, app.Exit());
  const std::string saved = ReadFileBytes(app.SettingsPath());
  ASSERT_NE(std::string::npos, saved.find("<Pause until=\"")) << saved;
  ASSERT_TRUE(app.Start());
  EXPECT_FALSE(WaitUntil([&] { return app.FaderVisible(); }, 130000)) << "an automatic fade came while paused";
  EXPECT_EQ(1u, app.Exit());
}
