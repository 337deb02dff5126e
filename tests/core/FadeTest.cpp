#include <gtest/gtest.h>

#include <vector>

#include "ui/fader/AutoFadeSchedule.h"
#include "ui/fader/FadeCurve.h"
#include "ui/fader/Opacity.h"

namespace {

// Runs a whole fade from a show at 1 percent; returns the opacity after each visible step and
// the step count until the hide.
struct FadeRun {
  std::vector<int> opacity;  // index = step number, [0] is the show
  int hideStep = 0;
};

FadeRun RunFade(int duration, int maxOpacity) {
  FadeRun run{{1}, 0};
  for (int step = 1; step < 100000; ++step) {
    const FadeStep next = NextFadeStep(step * kFadeStepMs, duration, maxOpacity, run.opacity.back());
    if (next.action == FadeStep::Action::Hide) {
      run.hideStep = step;
      break;
    }
    run.opacity.push_back(next.opacity);
  }
  return run;
}

constexpr uint64_t kTicks = 10000000;
uint64_t At(int hour, int minute, int second) {
  return (uint64_t(13000000000ull) + uint64_t(hour) * 3600 + uint64_t(minute) * 60 + uint64_t(second)) * kTicks;
}

}  // namespace

TEST(Opacity, AlphaIsPercentTimes255Over100Truncated) {
  EXPECT_EQ(0, AlphaForPercent(0));
  EXPECT_EQ(2, AlphaForPercent(1));
  EXPECT_EQ(5, AlphaForPercent(2));
  EXPECT_EQ(127, AlphaForPercent(50));
  EXPECT_EQ(178, AlphaForPercent(70));
  EXPECT_EQ(255, AlphaForPercent(100));
  EXPECT_EQ(0, ClampPercent(-5));
  EXPECT_EQ(100, ClampPercent(150));
}

TEST(FadeCurve, DefaultFadeFollowsTheWorkedExample) {
  const FadeRun run = RunFade(20, 70);
  EXPECT_EQ(201, run.hideStep);
  EXPECT_EQ(1, run.opacity[1]);
  EXPECT_EQ(2, run.opacity[2]);
  EXPECT_EQ(69, run.opacity[99]);
  EXPECT_EQ(70, run.opacity[100]);
  EXPECT_EQ(70, run.opacity[160]);
  EXPECT_EQ(69, run.opacity[161]);
  EXPECT_EQ(1, run.opacity[200]);
  for (int step = 1; step <= 100; ++step) EXPECT_GE(run.opacity[step], run.opacity[step - 1]);
  for (int step = 161; step <= 200; ++step) EXPECT_LE(run.opacity[step], run.opacity[step - 1]);
}

TEST(FadeCurve, ReachesTheMaximumAtHalfAndOnePercentAtTheEndForEveryDuration) {
  for (int duration : {1, 2, 3, 7, 60, 300}) {
    for (int maxOpacity : {1, 2, 50, 100}) {
      const FadeRun run = RunFade(duration, maxOpacity);
      EXPECT_EQ(duration * 10 + 1, run.hideStep) << duration << " " << maxOpacity;
      EXPECT_EQ(maxOpacity, run.opacity[size_t(duration * 5)]) << duration << " " << maxOpacity;
      EXPECT_EQ(1, run.opacity[size_t(duration * 10)]) << duration << " " << maxOpacity;
    }
  }
}

TEST(FadeCurve, StepsOnlyChangeTheOpacityWhenTheTargetMovesTheRightWay) {
  EXPECT_EQ(FadeStep::Action::Keep, NextFadeStep(100, 20, 70, 1).action);
  EXPECT_EQ(FadeStep::Action::Keep, NextFadeStep(5000, 20, 70, 90).action);  // never falls in
  EXPECT_EQ(FadeStep::Action::Keep, NextFadeStep(12000, 20, 70, 10).action);  // holding
  EXPECT_EQ(FadeStep::Action::Keep, NextFadeStep(18000, 20, 70, 5).action);  // never rises out
  // A higher maximum set mid-fade lifts the rest of the fade-in.
  EXPECT_EQ(FadeStep::Action::SetOpacity, NextFadeStep(5000, 20, 100, 40).action);
  // A duration cut below the elapsed time ends the fade at the next step.
  EXPECT_EQ(FadeStep::Action::Hide, NextFadeStep(6000, 5, 70, 50).action);
  EXPECT_EQ(FadeStep::Action::Hide, NextFadeStep(100, 0, 70, 1).action);
}

TEST(AutoFadeSchedule, ElapsedSecondsTruncateEachTime) {
  EXPECT_EQ(0, ElapsedWholeSeconds(At(10, 0, 0) + 9999999, At(10, 0, 0) + 9999999));
  EXPECT_EQ(1, ElapsedWholeSeconds(At(10, 0, 0) + 9999999, At(10, 0, 1)));
  EXPECT_EQ(-3600, ElapsedWholeSeconds(At(10, 0, 0), At(9, 0, 0)));
}

TEST(AutoFadeSchedule, IntervalFifteenStartedAt101430FadesFirstAt1030) {
  const uint64_t stamp = At(10, 14, 30);
  auto due = [&](int h, int m, int s) { return AutoFadeDue(ElapsedWholeSeconds(stamp, At(h, m, s)), m, s, 15); };
  EXPECT_FALSE(due(10, 15, 0));
  EXPECT_FALSE(due(10, 15, 5));
  EXPECT_FALSE(due(10, 29, 55));
  EXPECT_TRUE(due(10, 30, 0));
  EXPECT_TRUE(due(10, 30, 10));
  EXPECT_FALSE(due(10, 30, 11));
  EXPECT_TRUE(due(10, 45, 5));
}

TEST(AutoFadeSchedule, IntervalFifteenStartedAt100005WaitsForTheWholeInterval) {
  const uint64_t stamp = At(10, 0, 5);
  EXPECT_FALSE(AutoFadeDue(ElapsedWholeSeconds(stamp, At(10, 15, 0)), 15, 0, 15));
  EXPECT_TRUE(AutoFadeDue(ElapsedWholeSeconds(stamp, At(10, 15, 5)), 15, 5, 15));
}

TEST(AutoFadeSchedule, IntervalSevenFadesAt56AndAgainAtTheHour) {
  const int longAgo = 3600;
  EXPECT_TRUE(AutoFadeDue(longAgo, 56, 0, 7));
  EXPECT_FALSE(AutoFadeDue(longAgo, 57, 0, 7));
  EXPECT_TRUE(AutoFadeDue(longAgo, 0, 5, 7));
  EXPECT_TRUE(AutoFadeDue(longAgo, 0, 0, 60));
  EXPECT_FALSE(AutoFadeDue(longAgo, 30, 0, 60));
}

TEST(AutoFadeSchedule, ClockSetBackDelaysFadesUntilTheIntervalHasPassedAgain) {
  const uint64_t stamp = At(10, 0, 0);
  EXPECT_FALSE(AutoFadeDue(ElapsedWholeSeconds(stamp, At(9, 15, 0)), 15, 0, 15));
  EXPECT_FALSE(AutoFadeDue(ElapsedWholeSeconds(stamp, At(10, 0, 0)), 0, 0, 15));
  EXPECT_TRUE(AutoFadeDue(ElapsedWholeSeconds(stamp, At(10, 15, 0)), 15, 0, 15));
}
