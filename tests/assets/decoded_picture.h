#pragma once

#include <cstdint>
#include <string>

#include "platform/bmp.h"

namespace asset_test {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// A committed bitmap as the platform's own decoder reads it, with pixels
// addressed from the top-left like the game's rectangles.
class DecodedPicture {
 public:
  explicit DecodedPicture(const std::string& file_name);

  platform::BmpError error() const { return error_; }
  int width() const { return bitmap_.width; }
  int height() const { return bitmap_.height; }
  int stored_depth() const { return bitmap_.stored_depth; }

  Rgb at(int x, int y) const {
    const std::size_t i =
        (static_cast<std::size_t>(bitmap_.height - 1 - y) * bitmap_.width + x) * 3;
    return {bitmap_.pixels[i + 2], bitmap_.pixels[i + 1], bitmap_.pixels[i]};
  }
  bool white(int x, int y) const {
    const Rgb c = at(x, y);
    return c.r == 255 && c.g == 255 && c.b == 255;
  }
  int inked_pixels(const Rect& r) const;

 private:
  platform::DecodedBitmap bitmap_;
  platform::BmpError error_;
};

}  // namespace asset_test
