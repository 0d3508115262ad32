#pragma once

// The colour key on bit masks. A vector kernel compares every byte of a group
// of whole pixels with 0xFF and gathers the answers as one bit a byte, byte 0
// in bit 0 of word 0. WhitePixelBytes turns that into the bits of the bytes
// that belong to pure white pixels: a pixel start whose byte and its two
// neighbours are all 0xFF, spread back over the pixel's three bytes.

#include <cstdint>

namespace qel::draw {

// Bit i of word `word` is set when byte 64 * word + i starts a pixel.
constexpr std::uint64_t PixelStartBits(int word) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 64; ++i) {
    if ((64 * word + i) % 3 == 0) bits |= std::uint64_t{1} << i;
  }
  return bits;
}

// As 64 is one more than a multiple of 3, the pattern repeats every three
// words. Kept as constants: the loop above must never run while drawing.
inline constexpr std::uint64_t kPixelStarts[3] = {PixelStartBits(0), PixelStartBits(1),
                                                  PixelStartBits(2)};

// `mask` holds the 0xFF bytes of a group that starts on a pixel and holds
// whole pixels only (bits past the group are zero); on return it holds the
// bytes of its white pixels.
template <int Words>
__attribute__((always_inline)) inline void WhitePixelBytes(std::uint64_t (&mask)[Words]) {
  std::uint64_t starts[Words];
#pragma GCC unroll 3
  for (int k = 0; k < Words; ++k) {
    const std::uint64_t next = k + 1 < Words ? mask[k + 1] : 0;
    const std::uint64_t second = (mask[k] >> 1) | (next << 63);
    const std::uint64_t third = (mask[k] >> 2) | (next << 62);
    starts[k] = mask[k] & second & third & kPixelStarts[k % 3];
  }
#pragma GCC unroll 3
  for (int k = 0; k < Words; ++k) {
    const std::uint64_t previous = k > 0 ? starts[k - 1] : 0;
    const std::uint64_t second = (starts[k] << 1) | (previous >> 63);
    const std::uint64_t third = (starts[k] << 2) | (previous >> 62);
    mask[k] = starts[k] | second | third;
  }
}

}  // namespace qel::draw
