#pragma once

// What one 100 ms fade step does.
struct FadeStep {
  enum class Action { Keep, SetOpacity, Hide };
  Action action;
  int opacity;  // the new opacity for SetOpacity
};

constexpr int kFadeStepMs = 100;

// The step after `elapsedMs` has grown to its new value: fade in to `maxOpacity` over the first
// half of the duration, hold until 80 percent, fade out to 1 percent by the end, then hide.
// The opacity never falls while fading in and never rises while fading out.
FadeStep NextFadeStep(int elapsedMs, int fadeDurationSeconds, int maxOpacity, int currentOpacity);
