#pragma once

#include <cstddef>
#include <cstdint>

namespace qel::draw {

// An equal-size rectangle of pixels between two pixel stores, already clipped
// to both: every pixel it names lies inside both images.
struct PixelJob {
  std::uint8_t* dst;          // first pixel of the top row drawn
  const std::uint8_t* src;    // the source pixel that goes there
  std::ptrdiff_t dstRowStep;  // bytes from a row to the one below it
  std::ptrdiff_t srcRowStep;  // (negative: rows are stored bottom-up)
  int rows;
  int columns;
};

constexpr int kBytesPerPixel = 3;

// A pixel is skipped by the colour key when its bytes sum to 765 or more,
// which only pure white reaches.
constexpr bool IsKeyColour(std::uint8_t b, std::uint8_t g, std::uint8_t r) {
  return b + g + r >= 765;
}

}  // namespace qel::draw
