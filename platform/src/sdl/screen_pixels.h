#pragma once

// The client area's pixels as the screen takes them: 32-bit words 0xFFRRGGBB,
// top row first, enlarged by a whole number.

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

class Bitmap;

namespace detail {

// Where the pixels go: rows of 32-bit pixels `pitch` bytes apart.
struct PixelTarget {
  std::uint8_t* pixels = nullptr;
  int pitch = 0;
  BitmapSize size;
};

// Writes `screen` (bitmap.h layout: blue, green, red bytes, bottom row first)
// into `target` with each pixel a `scale` x `scale` block and the top-left
// corner at (x, y), which may lie outside the target: only what falls inside
// is written. `row` is scratch space kept between calls.
void write_screen(const Bitmap& screen, int scale, int x, int y, const PixelTarget& target,
                  std::vector<std::uint32_t>& row);

}  // namespace detail
}  // namespace platform
