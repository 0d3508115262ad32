#pragma once

#include <cstdint>
#include <vector>

#include "raster/indexed_image.h"
#include "raster/mask.h"

namespace assetgen {

// One picture of an icon group: 16 colours, and a mask of the pixels that
// let the desktop show through.
struct IconImage {
  IndexedImage pixels;  // palette of exactly 16 entries
  Mask transparent;     // same size; set where the icon is see-through
};

// An icon file: the directory, then each image as an info header (height
// doubled for the two planes), colour table, 4-bit colour rows and 1-bit mask rows.
std::vector<std::uint8_t> encode_icon_group(const std::vector<IconImage>& images);

}  // namespace assetgen
