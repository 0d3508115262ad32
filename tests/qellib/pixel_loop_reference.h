#pragma once

// The drawing modes as the straightforward pixel loop: every step of the
// rectangle, in order, tests its four bounds, reads the source pixel and
// writes the destination. Slow and obviously right; the fast drawing is
// compared against it byte for byte.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace qeltest {

// A pixel store: 3 bytes a pixel (blue, green, red), rows bottom-up.
struct PixelStore {
  std::uint8_t* bits;
  int width;
  int height;
};

inline std::int32_t ReferenceWeight(float factor) {
  const double scaled = static_cast<double>(factor) * 512.0;
  if (std::isnan(scaled) || scaled <= -2147483649.0 || scaled >= 2147483648.0) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(std::trunc(scaled));
}

// The low 32 bits of a product, read as a signed 32-bit integer.
inline std::int32_t Low32(std::int64_t value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value & 0xFFFFFFFF));
}

inline std::uint8_t ReferenceBlend(std::uint8_t s, std::uint8_t d, std::int32_t a) {
  const std::int32_t complement = Low32(std::int64_t{512} - a);
  const std::int32_t first = Low32(std::int64_t{a} * s) >> 9;
  const std::int32_t second = Low32(std::int64_t{d} * complement) >> 9;
  return static_cast<std::uint8_t>((first + second) & 0xFF);
}

inline std::size_t Offset(const PixelStore& image, int x, int y) {
  return (static_cast<std::size_t>(image.height - 1 - y) * image.width + x) * 3;
}

// type 1: colour-keyed copy; type 2: blend with `factor`. Rectangles are
// {y, x, height, width} as in the library; the size is the source's.
inline void ReferenceDraw(int type, const PixelStore& src, int sy0, int sx0, int height, int width,
                          const PixelStore& dst, int dy0, int dx0, float factor) {
  const std::int32_t a = ReferenceWeight(factor);
  // Steps whose source lies outside the source image draw nothing, so the
  // loop need not visit them; every visited step still tests all four bounds.
  const int firstRow = sy0 < 0 ? -sy0 : 0;
  const int lastRow = height < src.height - sy0 ? height : src.height - sy0;
  const int firstColumn = sx0 < 0 ? -sx0 : 0;
  const int lastColumn = width < src.width - sx0 ? width : src.width - sx0;
  for (int i = firstRow; i < lastRow; ++i) {
    for (int j = firstColumn; j < lastColumn; ++j) {
      const int sx = sx0 + j, sy = sy0 + i, dx = dx0 + j, dy = dy0 + i;
      if (sx < 0 || sx >= src.width || sy < 0 || sy >= src.height) continue;
      if (dx < 0 || dx >= dst.width || dy < 0 || dy >= dst.height) continue;
      const std::uint8_t* s = src.bits + Offset(src, sx, sy);
      std::uint8_t* d = dst.bits + Offset(dst, dx, dy);
      const std::uint8_t b = s[0], g = s[1], r = s[2];
      if (b + g + r >= 765) continue;
      if (type == 1) {
        d[0] = b;
        d[1] = g;
        d[2] = r;
      } else if (type == 2) {
        d[0] = ReferenceBlend(b, d[0], a);
        d[1] = ReferenceBlend(g, d[1], a);
        d[2] = ReferenceBlend(r, d[2], a);
      }
    }
  }
}

}  // namespace qeltest
