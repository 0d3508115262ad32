#pragma once

#include <cstddef>
#include <cstdint>

#include "draw/BlendChannel.h"
#include "draw/PixelJob.h"

namespace qel::draw {

// Single-row loops, pixel by pixel in order: each source pixel is read whole
// before its destination is written. The vector kernels finish their rows
// with them; the scalar kernels are made of them.

inline void KeyedCopyPixels(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count) {
  for (std::ptrdiff_t i = 0; i < count; ++i, dst += kBytesPerPixel, src += kBytesPerPixel) {
    const std::uint8_t b = src[0];
    const std::uint8_t g = src[1];
    const std::uint8_t r = src[2];
    if (IsKeyColour(b, g, r)) continue;
    dst[0] = b;
    dst[1] = g;
    dst[2] = r;
  }
}

inline void BlendPixels(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count,
                        std::int32_t weight) {
  const std::int32_t complement = BlendComplement(weight);
  for (std::ptrdiff_t i = 0; i < count; ++i, dst += kBytesPerPixel, src += kBytesPerPixel) {
    const std::uint8_t b = src[0];
    const std::uint8_t g = src[1];
    const std::uint8_t r = src[2];
    if (IsKeyColour(b, g, r)) continue;
    dst[0] = BlendChannel(b, dst[0], weight, complement);
    dst[1] = BlendChannel(g, dst[1], weight, complement);
    dst[2] = BlendChannel(r, dst[2], weight, complement);
  }
}

}  // namespace qel::draw
