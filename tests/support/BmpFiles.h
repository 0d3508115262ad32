#pragma once

// Small BMP files built inside a test: a picture given as 0x00BBGGRR colours
// (rows top first), stored at 4, 8 or 24 bits a pixel.

#include <cstdint>
#include <vector>

inline std::vector<std::uint8_t> MakeBmp(int width, int height,
                                         const std::vector<std::uint32_t>& colours, int depth) {
  std::vector<std::uint32_t> palette;
  auto index_of = [&](std::uint32_t colour) {
    for (std::size_t i = 0; i < palette.size(); ++i) {
      if (palette[i] == colour) return static_cast<int>(i);
    }
    palette.push_back(colour);
    return static_cast<int>(palette.size() - 1);
  };
  std::vector<int> indexes;
  if (depth < 24) {
    for (std::uint32_t colour : colours)
      indexes.push_back(index_of(colour));
  }
  const int row_bytes = ((width * depth + 31) / 32) * 4;
  const int palette_bytes = depth < 24 ? (1 << depth) * 4 : 0;
  const int offset = 14 + 40 + palette_bytes;
  std::vector<std::uint8_t> file(static_cast<std::size_t>(offset + row_bytes * height), 0);
  auto put16 = [&](int at, std::uint32_t v) {
    file[at] = v & 0xFF;
    file[at + 1] = (v >> 8) & 0xFF;
  };
  auto put32 = [&](int at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, offset);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  put16(26, 1);
  put16(28, depth);
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::uint32_t c = palette[i];  // stored blue, green, red, 0
    file[54 + i * 4] = (c >> 16) & 0xFF;
    file[54 + i * 4 + 1] = (c >> 8) & 0xFF;
    file[54 + i * 4 + 2] = c & 0xFF;
  }
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = &file[offset + (height - 1 - y) * row_bytes];
    for (int x = 0; x < width; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * width + x;
      if (depth == 24) {
        row[x * 3] = (colours[at] >> 16) & 0xFF;
        row[x * 3 + 1] = (colours[at] >> 8) & 0xFF;
        row[x * 3 + 2] = colours[at] & 0xFF;
      } else if (depth == 8) {
        row[x] = static_cast<std::uint8_t>(indexes[at]);
      } else {
        row[x / 2] |= static_cast<std::uint8_t>(indexes[at] << (x % 2 ? 0 : 4));
      }
    }
  }
  return file;
}
