#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace platform {

class DrawContext;

// The object behind a Bitmap handle. Pixels follow the layout of bitmap.h.
class Bitmap {
 public:
  Bitmap(int width, int height)
      : width_(width),
        height_(height),
        pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {}

  int width() const { return width_; }
  int height() const { return height_; }
  std::uint8_t* bits() { return pixels_.data(); }
  const std::uint8_t* bits() const { return pixels_.data(); }
  std::size_t byte_count() const { return pixels_.size(); }

  // The memory context this bitmap is selected into, if any.
  DrawContext* selected_into = nullptr;

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
};

namespace detail {

// Creates a platform-owned bitmap without the size checks of
// create_pixel_section (the caller has made them). Never null.
Bitmap* adopt_bitmap(int width, int height);

// The shared 1 x 1 placeholder that fresh memory contexts hold.
Bitmap* stock_bitmap();

}  // namespace detail
}  // namespace platform
