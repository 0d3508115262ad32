#pragma once

#include <array>

#include "raster/canvas.h"

namespace assetgen {

// The rim of a raised square tile: four rings from the outer edge inwards,
// lit on the top and left sides and in shadow on the bottom and right.
struct BevelFrame {
  std::array<Rgb, 4> lit;
  std::array<Rgb, 4> shadowed;
};

// Paints the rim of the size x size square at (x, y); the inside is left alone.
void draw_bevel_frame(Canvas& canvas, int x, int y, int size, const BevelFrame& frame);

}  // namespace assetgen
