#pragma once

#include <cstdint>
#include <vector>

#include "format/byte_writer.h"
#include "raster/canvas.h"
#include "raster/indexed_image.h"

namespace assetgen {

// The pieces that a BMP file and an icon image share: the 40-byte info
// header, the colour table and the bottom-up pixel rows, each row padded to a
// multiple of four bytes.

inline constexpr std::uint32_t kInfoHeaderSize = 40;

struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // positive: rows are stored bottom-up
  std::uint16_t bits_per_pixel = 24;
  std::uint32_t image_size = 0;
  std::uint32_t colours_used = 0;
};

std::uint32_t row_stride(int width, int bits_per_pixel);

void write_info_header(ByteWriter& out, const InfoHeader& header);
void write_colour_table(ByteWriter& out, const std::vector<Rgb>& palette);

// Pixel rows bottom-up: 24-bit blue-green-red, or indices packed high nibble first.
std::vector<std::uint8_t> pixel_rows_24(const Canvas& canvas);
std::vector<std::uint8_t> pixel_rows_indexed(const IndexedImage& image, int bits_per_pixel);

}  // namespace assetgen
