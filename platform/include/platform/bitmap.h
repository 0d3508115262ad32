#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// A 24-bit picture held by the platform: 3 bytes a pixel in the order blue,
// green, red; rows stored bottom-up (the first row in memory is the bottom
// row); rows exactly width * 3 bytes, one after the other without padding.
// Pixel (x, y), y counted from the top, starts at ((height - 1 - y) * width + x) * 3.
//
// Handles are owned by the platform: a Bitmap lives until delete_bitmap() or
// the end of the process, whichever comes first.
class Bitmap;

struct BitmapSize {
  int width = 0;
  int height = 0;
};

// The largest side and the largest pixel count a bitmap may have. Anything
// bigger is refused, so a lying file or an absurd request cannot exhaust memory.
constexpr int kMaxBitmapSide = 16384;
constexpr std::int64_t kMaxBitmapPixels = std::int64_t{1} << 26;

// A new zero-filled (black) pixel section. The address of its bytes is
// written to *bits (when `bits` is not null) so that the caller may read and
// write them directly. Returns null (and leaves *bits untouched) for a side
// of 0 or less, or above the limits.
Bitmap* create_pixel_section(int width, int height, std::uint8_t** bits);

// Size of a bitmap; {0, 0} for null.
BitmapSize bitmap_size(const Bitmap* bitmap);

// First byte of the pixel store; null for null.
std::uint8_t* bitmap_bits(Bitmap* bitmap);
const std::uint8_t* bitmap_bits(const Bitmap* bitmap);

// Releases a bitmap. A bitmap still selected into a drawing context is not
// released and the call returns false; so do null, the stock bitmap and a
// bitmap already released.
bool delete_bitmap(Bitmap* bitmap);

}  // namespace platform
