#include "format/bmp_writer.h"

#include "format/byte_writer.h"
#include "format/dib.h"

namespace assetgen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;

std::vector<std::uint8_t> assemble(const InfoHeader& header, const std::vector<Rgb>& palette,
                                   const std::vector<std::uint8_t>& rows) {
  const auto pixel_offset =
      static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize + 4 * palette.size());
  ByteWriter out;
  out.u8('B');
  out.u8('M');
  out.u32(pixel_offset + static_cast<std::uint32_t>(rows.size()));
  out.u32(0);  // reserved
  out.u32(pixel_offset);
  write_info_header(out, header);
  write_colour_table(out, palette);
  out.append(rows);
  return out.take();
}

}  // namespace

std::vector<std::uint8_t> encode_bmp_24(const Canvas& canvas) {
  const std::vector<std::uint8_t> rows = pixel_rows_24(canvas);
  InfoHeader header;
  header.width = canvas.width();
  header.height = canvas.height();
  header.bits_per_pixel = 24;
  header.image_size = static_cast<std::uint32_t>(rows.size());
  return assemble(header, {}, rows);
}

std::vector<std::uint8_t> encode_bmp_indexed(const IndexedImage& image, int bits_per_pixel) {
  const std::vector<std::uint8_t> rows = pixel_rows_indexed(image, bits_per_pixel);
  InfoHeader header;
  header.width = image.width;
  header.height = image.height;
  header.bits_per_pixel = static_cast<std::uint16_t>(bits_per_pixel);
  header.image_size = static_cast<std::uint32_t>(rows.size());
  header.colours_used = static_cast<std::uint32_t>(image.palette.size());
  return assemble(header, image.palette, rows);
}

}  // namespace assetgen
