#pragma once

#include <cstdint>

namespace qel::draw {

// The weight's complement, 512 - weight, wrapping as a 32-bit integer does.
constexpr std::int32_t BlendComplement(std::int32_t weight) {
  return static_cast<std::int32_t>(512u - static_cast<std::uint32_t>(weight));
}

// A 32-bit product that wraps instead of overflowing, for weights far
// outside 0..512.
constexpr std::int32_t WrappingProduct(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// One blended channel: (weight * s >> 9) + (d * complement >> 9), shifts
// rounding toward minus infinity, the low 8 bits of the sum kept.
constexpr std::uint8_t BlendChannel(std::uint8_t s, std::uint8_t d, std::int32_t weight,
                                    std::int32_t complement) {
  const std::int32_t fromSource = WrappingProduct(weight, s) >> 9;
  const std::int32_t fromDestination = WrappingProduct(d, complement) >> 9;
  return static_cast<std::uint8_t>(fromSource + fromDestination);
}

}  // namespace qel::draw
