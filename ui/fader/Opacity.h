#pragma once
#include <cstdint>

// Opacity is a whole percent; the layered window takes it as alpha, truncated.
constexpr int ClampPercent(int percent) { return percent < 0 ? 0 : percent > 100 ? 100 : percent; }
constexpr uint8_t AlphaForPercent(int percent) { return uint8_t(ClampPercent(percent) * 255 / 100); }
