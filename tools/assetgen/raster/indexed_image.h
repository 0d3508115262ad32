#pragma once

#include <cstdint>
#include <vector>

#include "raster/canvas.h"

namespace assetgen {

// A picture as palette indices, top-down, for the sheets stored with 4 or 8
// bits a pixel.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;
  std::vector<std::uint8_t> indices;  // width * height, row 0 at the top

  std::uint8_t at(int x, int y) const { return indices[static_cast<std::size_t>(y * width + x)]; }
};

// Indexes a canvas: palette entries in the order the colours first appear
// (top-down, left to right), then padded with unused greys up to
// `palette_size`. Aborts when the picture holds more colours than that: the
// artwork must be drawn within its palette.
IndexedImage index_colours(const Canvas& canvas, int palette_size);

}  // namespace assetgen
