#pragma once

#include <cstdint>
#include <vector>

#include "raster/canvas.h"
#include "raster/indexed_image.h"

namespace assetgen {

// Uncompressed BMP files with the 40-byte info header and bottom-up rows.
std::vector<std::uint8_t> encode_bmp_24(const Canvas& canvas);
// 4- or 8-bit; the colour table holds exactly the image's palette, and the
// header names its length as the number of colours used.
std::vector<std::uint8_t> encode_bmp_indexed(const IndexedImage& image, int bits_per_pixel);

}  // namespace assetgen
