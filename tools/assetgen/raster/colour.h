#pragma once

#include <algorithm>
#include <cstdint>

namespace assetgen {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;

  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Pure white is the colour key of every sheet: it marks what the game leaves
// undrawn. Anything meant to show uses at most kNearWhite in some channel.
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kNearWhite{254, 254, 254};
inline constexpr Rgb kBlack{0, 0, 0};

inline constexpr std::uint8_t clamp_channel(int value) {
  return static_cast<std::uint8_t>(std::clamp(value, 0, 255));
}

// Linear mix of two colours; `weight` of 0 gives `a`, 256 gives `b`.
inline constexpr Rgb mix(Rgb a, Rgb b, int weight) {
  auto channel = [weight](int from, int to) {
    return clamp_channel(from + ((to - from) * weight + (to >= from ? 128 : -128)) / 256);
  };
  return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Scales brightness by percent (50 halves every channel).
inline constexpr Rgb scaled(Rgb c, int percent) {
  return {clamp_channel(c.r * percent / 100), clamp_channel(c.g * percent / 100),
          clamp_channel(c.b * percent / 100)};
}

// The colour as it may appear in a visible pixel: pure white becomes near white.
inline constexpr Rgb visible(Rgb c) {
  return c == kWhite ? kNearWhite : c;
}

}  // namespace assetgen
