#pragma once

#include <string_view>

#include "raster/mask.h"

namespace assetgen {

// How a word of the display face is set: the size of a unit across and
// down in pixels (different values stretch the letters), the pen's width,
// the room between letters and for a space, and the italic lean (pixels
// across per pixel up).
struct DisplayShape {
  double unit_width = 10;
  double unit_height = 10;
  double pen = 20;
  double letter_gap = 8;
  double space_width = 30;
  double slant = 0;
};

Mask display_word(std::string_view text, const DisplayShape& shape);

}  // namespace assetgen
