#include "format/dib.h"

namespace assetgen {

std::uint32_t row_stride(int width, int bits_per_pixel) {
  const auto bits = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits_per_pixel);
  return (bits + 31) / 32 * 4;
}

void write_info_header(ByteWriter& out, const InfoHeader& header) {
  out.u32(kInfoHeaderSize);
  out.i32(header.width);
  out.i32(header.height);
  out.u16(1);  // planes
  out.u16(header.bits_per_pixel);
  out.u32(0);  // uncompressed
  out.u32(header.image_size);
  out.i32(2835);  // 72 dots per inch, horizontally
  out.i32(2835);  // and vertically
  out.u32(header.colours_used);
  out.u32(0);  // every colour counts
}

void write_colour_table(ByteWriter& out, const std::vector<Rgb>& palette) {
  for (const Rgb& colour : palette) {
    out.u8(colour.b);
    out.u8(colour.g);
    out.u8(colour.r);
    out.u8(0);
  }
}

std::vector<std::uint8_t> pixel_rows_24(const Canvas& canvas) {
  const std::uint32_t stride = row_stride(canvas.width(), 24);
  std::vector<std::uint8_t> rows;
  rows.reserve(stride * static_cast<std::uint32_t>(canvas.height()));
  for (int y = canvas.height() - 1; y >= 0; --y) {
    const std::size_t row_start = rows.size();
    for (int x = 0; x < canvas.width(); ++x) {
      const Rgb colour = canvas.at(x, y);
      rows.push_back(colour.b);
      rows.push_back(colour.g);
      rows.push_back(colour.r);
    }
    rows.resize(row_start + stride, 0);
  }
  return rows;
}

std::vector<std::uint8_t> pixel_rows_indexed(const IndexedImage& image, int bits_per_pixel) {
  const std::uint32_t stride = row_stride(image.width, bits_per_pixel);
  const int per_byte = 8 / bits_per_pixel;
  std::vector<std::uint8_t> rows;
  rows.reserve(stride * static_cast<std::uint32_t>(image.height));
  for (int y = image.height - 1; y >= 0; --y) {
    const std::size_t row_start = rows.size();
    for (int x = 0; x < image.width; x += per_byte) {
      std::uint8_t packed = 0;
      for (int i = 0; i < per_byte; ++i) {
        const int index = x + i < image.width ? image.at(x + i, y) : 0;
        packed = static_cast<std::uint8_t>(packed | (index << (8 - bits_per_pixel * (i + 1))));
      }
      rows.push_back(packed);
    }
    rows.resize(row_start + stride, 0);
  }
  return rows;
}

}  // namespace assetgen
