#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace platform {

// Why a BMP file could not be read.
enum class BmpError {
  none,
  truncated,           // the file ends before the data its headers promise
  bad_signature,       // not "BM"
  bad_header,          // unknown header size, or planes other than 1
  unsupported_format,  // compressed, or a depth other than 1, 4, 8 or 24
  bad_dimensions,      // width or height of 0, or negative width
  too_large,           // beyond kMaxBitmapSide or kMaxBitmapPixels
  bad_palette,         // more palette entries than the depth can name
  bad_palette_index,   // a pixel names a colour past the end of the palette
  bad_offset,          // the pixel data starts inside the headers or the palette
};

const char* describe(BmpError error);

// A decoded picture in the platform's own layout (see bitmap.h): 24-bit,
// blue-green-red, rows bottom-up, no padding.
struct DecodedBitmap {
  int width = 0;
  int height = 0;
  int stored_depth = 0;  // bits per pixel in the file: 1, 4, 8 or 24
  std::vector<std::uint8_t> pixels;
};

// Decodes an uncompressed 1-, 4-, 8- or 24-bit BMP (BITMAPINFOHEADER and its
// larger successors, or the 12-byte core header; bottom-up or top-down rows).
// Palettes hold biClrUsed entries, 0 meaning all that the depth can name.
// Never reads past `file`, and allocates only for a picture within the bitmap
// limits whose pixel data is really there. `out` changes only on success.
BmpError decode_bmp(std::span<const std::uint8_t> file, DecodedBitmap& out);

// Writes a 24-bit uncompressed BMP from pixels in the platform layout. Empty
// when the size is outside the bitmap limits or `pixels` does not hold
// exactly width * height * 3 bytes.
std::vector<std::uint8_t> encode_bmp24(int width, int height, std::span<const std::uint8_t> pixels);

}  // namespace platform
