// Automatic fades of the running program against the real clock: slow by nature (a whole
// interval must pass), so CTest runs this suite on its own.
#include <gtest/gtest.h>

#include "res/resource.h"
#include "tests/e2e/ChimeSamples.h"
#include "tests/e2e/Harness.h"

namespace {

WORD SecondNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wSecond;
}

// Interval 1 and a 2-second fade, never blocked.
void WriteShortFadesEveryMinute(const Dusklamp& app, const std::string& more = "") {
  WriteFileBytes(app.SettingsPath(),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
                 "<DusklampSettings version=\"1.0\" xmlns=\"http://www.quillane.example/dusklamp/xmlns/settings\">\n"
                 "<Options><Fader auto_fade_interval=\"1\" fade_duration=\"2\" auto_block=\"0\" " + more +
                 " /></Options></DusklampSettings>\n");
}

// Waits past the checks of the minute after this one, which would have faded.
void WaitPastNextMinutesChecks() {
  SYSTEMTIME start;
  GetLocalTime(&start);
  WaitUntil([&] {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wMinute != start.wMinute && now.wSecond >= 25;
  }, 130000);
}

}  // namespace

// Interval 1 and a 2-second fade: the fade has ended long before the first eleven seconds of
// its minute are over, and the next checks of that minute must not start another.
TEST(RealClock, AShortAutomaticFadeComesOncePerMinute) {
  const Hearing hearing;
  Dusklamp app;
  WriteShortFadesEveryMinute(app);
  ASSERT_TRUE(app.StartUnderWine(hearing.Variables(), app.Folder() + L"\\wine.txt"));
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
  EXPECT_EQ(0u, hearing.Heard().size()) << "bytes played with no sound chosen";
}

// The chime as the user hears it: nothing for a show by hand, the chime's own samples once for
// the automatic fade, and nothing while paused.
TEST(RealClock, TheChimeIsHeardOnceAtAnAutomaticFade) {
  const std::string chime = ChimeSamples();
  ASSERT_GT(chime.size(), 10000u);
  const Hearing hearing;
  Dusklamp app;
  WriteShortFadesEveryMinute(app, "sound=\"chime\"");
  ASSERT_TRUE(app.StartUnderWine(hearing.Variables(), app.Folder() + L"\\wine.txt"));
  app.Command(CMD_TOGGLE_SHOW);
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }));
  app.Command(CMD_TOGGLE_SHOW);
  ASSERT_TRUE(app.Settle());
  ASSERT_TRUE(WaitUntil([&] { return !app.FaderVisible(); }));
  ASSERT_TRUE(WaitUntil([&] { return app.FaderVisible(); }, 150000)) << "no automatic fade";
  ASSERT_TRUE(WaitUntil([&] { return hearing.Heard().size() >= chime.size(); })) << hearing.Heard().size() << " bytes heard";
  app.Command(CMD_PAUSE_30_MINUTES);
  WaitPastNextMinutesChecks();
  EXPECT_EQ(1u, app.Exit());
  const std::string heard = hearing.Heard();
  EXPECT_EQ(chime.size(), heard.size()) << "bytes heard, against the chime's";
  EXPECT_TRUE(heard == chime) << "the samples heard are not the chime's";
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
