#pragma once
#include <cstdint>

// A colour as 0xAARRGGBB; in memory blue, green, red, alpha. This program always keeps alpha 255.
struct ArgbColor {
  uint32_t value;

  static constexpr ArgbColor FromRgb(uint8_t red, uint8_t green, uint8_t blue) {
    return ArgbColor{0xFF000000u | uint32_t{red} << 16 | uint32_t{green} << 8 | blue};
  }
  // A platform colour reference is 0x00BBGGRR.
  static constexpr ArgbColor FromColorRef(uint32_t colorRef) {
    return FromRgb(uint8_t(colorRef), uint8_t(colorRef >> 8), uint8_t(colorRef >> 16));
  }

  constexpr uint8_t Red() const { return uint8_t(value >> 16); }
  constexpr uint8_t Green() const { return uint8_t(value >> 8); }
  constexpr uint8_t Blue() const { return uint8_t(value); }
  constexpr uint32_t ToColorRef() const {
    return uint32_t{Red()} | uint32_t{Green()} << 8 | uint32_t{Blue()} << 16;
  }

  friend constexpr bool operator==(ArgbColor a, ArgbColor b) { return a.value == b.value; }
  friend constexpr bool operator!=(ArgbColor a, ArgbColor b) { return a.value != b.value; }
};
static_assert(sizeof(ArgbColor) == 4, "ArgbColor is one 32-bit value");
