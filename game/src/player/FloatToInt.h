#pragma once

#include <cstdint>
#include <limits>

// Float to integer as the game's arithmetic does it: truncation toward zero.
// NaN and values out of the 32-bit range give INT32_MIN, the x86 truncating
// conversion's answer, rather than the undefined behaviour of a plain cast.
constexpr std::int32_t TruncateToInt32(float value) {
  constexpr float Lowest = -2147483648.0f;        // -2^31, still in range
  constexpr float FirstTooLarge = 2147483648.0f;  // 2^31
  if (!(value >= Lowest && value < FirstTooLarge)) return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(value);
}

// The low 16 bits, read as a signed number: what a 16-bit field keeps.
constexpr std::int16_t LowBits16(std::int32_t value) {
  return static_cast<std::int16_t>(value);
}

// Additions on the 16-bit fields wrap as 16-bit additions do.
constexpr std::int16_t Add16(std::int16_t a, std::int16_t b) {
  return static_cast<std::int16_t>(a + b);
}
