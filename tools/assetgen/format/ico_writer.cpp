#include "format/ico_writer.h"

#include "format/byte_writer.h"
#include "format/dib.h"

namespace assetgen {

namespace {

constexpr int kIconBits = 4;
constexpr std::uint32_t kDirectorySize = 6;
constexpr std::uint32_t kEntrySize = 16;

std::vector<std::uint8_t> mask_rows(const Mask& transparent) {
  const std::uint32_t stride = row_stride(transparent.width(), 1);
  std::vector<std::uint8_t> rows;
  for (int y = transparent.height() - 1; y >= 0; --y) {
    const std::size_t row_start = rows.size();
    rows.resize(row_start + stride, 0);
    for (int x = 0; x < transparent.width(); ++x)
      if (transparent.at(x, y))
        rows[row_start + static_cast<std::size_t>(x / 8)] |=
            static_cast<std::uint8_t>(0x80 >> (x % 8));
  }
  return rows;
}

// A see-through pixel must be black in the colour plane, so that the
// desktop's AND-then-XOR leaves the background untouched.
IndexedImage blacken_transparent(const IconImage& image) {
  IndexedImage pixels = image.pixels;
  int black = 0;
  for (std::size_t i = 0; i < pixels.palette.size(); ++i)
    if (pixels.palette[i] == kBlack) black = static_cast<int>(i);
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x)
      if (image.transparent.at(x, y))
        pixels.indices[static_cast<std::size_t>(y * pixels.width + x)] =
            static_cast<std::uint8_t>(black);
  return pixels;
}

std::vector<std::uint8_t> encode_image(const IconImage& image) {
  const IndexedImage pixels = blacken_transparent(image);
  const std::vector<std::uint8_t> colour = pixel_rows_indexed(pixels, kIconBits);
  const std::vector<std::uint8_t> mask = mask_rows(image.transparent);
  InfoHeader header;
  header.width = pixels.width;
  header.height = pixels.height * 2;
  header.bits_per_pixel = kIconBits;
  header.image_size = static_cast<std::uint32_t>(colour.size() + mask.size());
  ByteWriter out;
  write_info_header(out, header);
  write_colour_table(out, pixels.palette);
  out.append(colour);
  out.append(mask);
  return out.take();
}

}  // namespace

std::vector<std::uint8_t> encode_icon_group(const std::vector<IconImage>& images) {
  std::vector<std::vector<std::uint8_t>> encoded;
  for (const IconImage& image : images)
    encoded.push_back(encode_image(image));

  ByteWriter out;
  out.u16(0);  // reserved
  out.u16(1);  // an icon, not a cursor
  out.u16(static_cast<std::uint16_t>(images.size()));
  auto offset = static_cast<std::uint32_t>(kDirectorySize + kEntrySize * images.size());
  for (std::size_t i = 0; i < images.size(); ++i) {
    const IndexedImage& pixels = images[i].pixels;
    out.u8(static_cast<std::uint8_t>(pixels.width % 256));  // 0 would mean 256
    out.u8(static_cast<std::uint8_t>(pixels.height % 256));
    out.u8(16);  // colours
    out.u8(0);   // reserved
    out.u16(1);  // planes
    out.u16(kIconBits);
    out.u32(static_cast<std::uint32_t>(encoded[i].size()));
    out.u32(offset);
    offset += static_cast<std::uint32_t>(encoded[i].size());
  }
  for (const auto& image : encoded)
    out.append(image);
  return out.take();
}

}  // namespace assetgen
