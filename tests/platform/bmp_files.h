#pragma once

// Small BMP files written by the tests themselves, so that the decoder is
// checked against the file format rather than against our own encoder.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/colour.h"

namespace bmp_test {

using Bytes = std::vector<std::uint8_t>;

// Where the fields the tests change sit in a file (offsets from its start).
constexpr std::size_t kFileSizeAt = 2;
constexpr std::size_t kPixelOffsetAt = 10;
constexpr std::size_t kHeaderSizeAt = 14;
constexpr std::size_t kWidthAt = 18;
constexpr std::size_t kHeightAt = 22;
constexpr std::size_t kPlanesAt = 26;
constexpr std::size_t kDepthAt = 28;
constexpr std::size_t kCompressionAt = 30;
constexpr std::size_t kColoursUsedAt = 46;

inline void put_u16(Bytes& file, std::size_t at, std::uint32_t value) {
  file[at] = static_cast<std::uint8_t>(value);
  file[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void put_u32(Bytes& file, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i)
    file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A picture as a palette and one index a pixel, top row first.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<platform::Colour> palette;
  std::vector<std::uint32_t> indices;

  platform::Colour colour(int x, int y) const { return palette[indices[y * width + x]]; }
};

// `colours` colours spread over a width x height picture.
inline Picture make_picture(int width, int height, int colours) {
  Picture picture{width, height, {}, {}};
  for (int c = 0; c < colours; ++c) {
    picture.palette.push_back(platform::make_colour(static_cast<std::uint8_t>(40 * c + 3),
                                                    static_cast<std::uint8_t>(255 - 17 * c),
                                                    static_cast<std::uint8_t>(90 + 29 * c)));
  }
  for (int i = 0; i < width * height; ++i) {
    picture.indices.push_back(static_cast<std::uint32_t>((i * 5 + i / width) % colours));
  }
  return picture;
}

// The picture in the platform layout: blue, green, red; rows bottom-up.
inline Bytes platform_pixels(const Picture& picture) {
  Bytes bytes;
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const platform::Colour c = picture.colour(x, y);
      bytes.insert(bytes.end(), {platform::blue_of(c), platform::green_of(c), platform::red_of(c)});
    }
  }
  return bytes;
}

struct FileOptions {
  int depth = 24;
  std::uint32_t header_size = 40;  // 12 writes the core header
  bool top_down = false;
  // Colour table entries written: the picture's palette, or all that the
  // depth can name (the rest black) with a count of 0 in the header.
  bool full_palette = false;
};

// The picture as a BMP file; pixels of 1 to 8 bits hold the picture's indices
// as they are, so that a test can write an index past the palette.
inline Bytes write_bmp(const Picture& picture, const FileOptions& options) {
  const bool core = options.header_size == 12;
  const bool paletted = options.depth <= 8;
  std::vector<platform::Colour> table;
  if (paletted) {
    table = picture.palette;
    if (options.full_palette || core) table.resize(std::size_t{1} << options.depth, 0);
  }
  const std::size_t entry = core ? 3 : 4;
  const std::size_t rows = static_cast<std::size_t>(picture.height);
  const std::size_t stride =
      (static_cast<std::size_t>(picture.width) * options.depth + 31) / 32 * 4;
  const std::size_t offset = 14 + options.header_size + table.size() * entry;
  Bytes file(offset + stride * rows, 0);

  file[0] = 'B';
  file[1] = 'M';
  put_u32(file, kFileSizeAt, static_cast<std::uint32_t>(file.size()));
  put_u32(file, kPixelOffsetAt, static_cast<std::uint32_t>(offset));
  put_u32(file, kHeaderSizeAt, options.header_size);
  if (core) {
    put_u16(file, 18, static_cast<std::uint32_t>(picture.width));
    put_u16(file, 20, static_cast<std::uint32_t>(picture.height));
    put_u16(file, 22, 1);
    put_u16(file, 24, static_cast<std::uint32_t>(options.depth));
  } else {
    const int height = options.top_down ? -picture.height : picture.height;
    put_u32(file, kWidthAt, static_cast<std::uint32_t>(picture.width));
    put_u32(file, kHeightAt, static_cast<std::uint32_t>(height));
    put_u16(file, kPlanesAt, 1);
    put_u16(file, kDepthAt, static_cast<std::uint32_t>(options.depth));
    put_u32(file, 34, static_cast<std::uint32_t>(stride * rows));
    put_u32(file, kColoursUsedAt,
            options.full_palette ? 0 : static_cast<std::uint32_t>(table.size()));
  }
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::uint8_t* at = file.data() + 14 + options.header_size + i * entry;
    at[0] = platform::blue_of(table[i]);
    at[1] = platform::green_of(table[i]);
    at[2] = platform::red_of(table[i]);
  }
  for (std::size_t r = 0; r < rows; ++r) {
    const int y = options.top_down ? static_cast<int>(r) : picture.height - 1 - static_cast<int>(r);
    std::uint8_t* row = file.data() + offset + r * stride;
    for (int x = 0; x < picture.width; ++x) {
      const std::uint32_t index = picture.indices[y * picture.width + x];
      if (!paletted) {
        const platform::Colour c = picture.palette[index];
        row[x * 3] = platform::blue_of(c);
        row[x * 3 + 1] = platform::green_of(c);
        row[x * 3 + 2] = platform::red_of(c);
        continue;
      }
      const std::size_t bit = static_cast<std::size_t>(x) * options.depth;
      const unsigned shift = 8 - options.depth - bit % 8;
      row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | (index << shift));
    }
  }
  return file;
}

}  // namespace bmp_test
