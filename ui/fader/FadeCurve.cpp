#include "ui/fader/FadeCurve.h"

FadeStep NextFadeStep(int elapsedMs, int fadeDurationSeconds, int maxOpacity, int currentOpacity) {
  const int duration = fadeDurationSeconds * 1000;
  const int fadeInEnd = duration * 50 / 100;
  const int holdEnd = duration * 80 / 100;
  const int e = elapsedMs;
  const int m = maxOpacity;
  if (e <= fadeInEnd) {
    const int target = (m - 1) * e / fadeInEnd + 1;
    if (target > currentOpacity) return {FadeStep::Action::SetOpacity, target};
  } else if (e <= holdEnd) {
    // holding
  } else if (e > duration) {
    return {FadeStep::Action::Hide, currentOpacity};
  } else {
    const int target = m + (e - holdEnd) * (1 - m) / (duration - holdEnd);
    if (target < currentOpacity) return {FadeStep::Action::SetOpacity, target};
  }
  return {FadeStep::Action::Keep, currentOpacity};
}
