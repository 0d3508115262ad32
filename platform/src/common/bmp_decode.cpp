#include <array>
#include <cstddef>
#include <cstring>

#include "common/bmp_format.h"
#include "platform/bitmap.h"
#include "platform/bmp.h"

namespace platform {
namespace {

using namespace detail::bmp_format;

// Sizes and offsets are held wide: every field is at most 32 bits, so no sum
// or product of two of them overflows.
using Index = std::int64_t;

// What the headers say about the picture, checked against the file's length.
struct Layout {
  Index width = 0;
  Index rows = 0;
  bool top_down = false;
  int depth = 0;
  Index palette_offset = 0;
  Index palette_count = 0;
  Index palette_entry_size = 0;
  Index pixel_offset = 0;
  Index row_stride = 0;
};

// The header fields that the two header families share.
struct InfoFields {
  std::uint32_t header_size = 0;
  Index width = 0;
  Index height = 0;
  unsigned planes = 0;
  unsigned depth = 0;
  std::uint32_t compression = 0;
  std::uint32_t colours_used = 0;
};

using Colour3 = std::array<std::uint8_t, 3>;  // blue, green, red
using Palette = std::array<Colour3, 256>;

bool known_header_size(std::uint32_t size) {
  switch (size) {
    case kCoreHeaderSize:
    case kInfoHeaderSize:
    case kInfoV2HeaderSize:
    case kInfoV3HeaderSize:
    case kInfoV4HeaderSize:
    case kInfoV5HeaderSize:
      return true;
    default:
      return false;
  }
}

bool known_depth(unsigned depth) {
  return depth == 1 || depth == 4 || depth == 8 || depth == 24;
}

// Reads the info header; the caller has checked that all of it is in the file.
InfoFields read_info_fields(std::span<const std::uint8_t> file, std::uint32_t header_size) {
  InfoFields fields;
  fields.header_size = header_size;
  if (header_size == kCoreHeaderSize) {
    // The core header has unsigned 16-bit sides, always bottom-up, a full palette.
    fields.width = read_u16(file, kCoreWidth);
    fields.height = read_u16(file, kCoreHeight);
    fields.planes = read_u16(file, kCorePlanes);
    fields.depth = read_u16(file, kCoreDepth);
    return fields;
  }
  fields.width = read_i32(file, kInfoWidth);
  fields.height = read_i32(file, kInfoHeight);
  fields.planes = read_u16(file, kInfoPlanes);
  fields.depth = read_u16(file, kInfoDepth);
  fields.compression = read_u32(file, kInfoCompression);
  fields.colours_used = read_u32(file, kInfoColoursUsed);
  return fields;
}

BmpError check_picture(const InfoFields& fields) {
  if (fields.planes != 1) return BmpError::bad_header;
  if (!known_depth(fields.depth) || fields.compression != kUncompressed) {
    return BmpError::unsupported_format;
  }
  if (fields.width <= 0 || fields.height == 0) return BmpError::bad_dimensions;
  const Index rows = fields.height < 0 ? -fields.height : fields.height;
  if (fields.width > kMaxBitmapSide || rows > kMaxBitmapSide) return BmpError::too_large;
  if (fields.width * rows > kMaxBitmapPixels) return BmpError::too_large;
  return BmpError::none;
}

// Where the palette is, how long it is, and where the pixels start.
BmpError place_data(std::span<const std::uint8_t> file, const InfoFields& fields, Layout& layout) {
  const bool core = fields.header_size == kCoreHeaderSize;
  layout.palette_offset = Index{kFileHeaderSize} + fields.header_size;
  layout.palette_entry_size = core ? 3 : 4;
  // A 24-bit file may carry a colour table as a hint; its pixels never use it.
  if (layout.depth <= 8) {
    const Index most = Index{1} << layout.depth;
    const Index used = fields.colours_used;
    if (used > most) return BmpError::bad_palette;
    layout.palette_count = used != 0 ? used : most;
  }
  const Index palette_end =
      layout.palette_offset + layout.palette_count * layout.palette_entry_size;
  const auto size = static_cast<Index>(file.size());
  if (palette_end > size) return BmpError::truncated;

  layout.pixel_offset = read_u32(file, kFilePixelOffset);
  if (layout.pixel_offset < palette_end) return BmpError::bad_offset;
  layout.row_stride = (layout.width * layout.depth + 31) / 32 * 4;
  if (layout.pixel_offset + layout.row_stride * layout.rows > size) return BmpError::truncated;
  return BmpError::none;
}

BmpError read_layout(std::span<const std::uint8_t> file, Layout& layout) {
  if (file.size() < 2) return BmpError::truncated;
  if (file[0] != 'B' || file[1] != 'M') return BmpError::bad_signature;
  if (file.size() < kFileHeaderSize + 4) return BmpError::truncated;
  const std::uint32_t header_size = read_u32(file, kInfoHeaderSizeField);
  if (!known_header_size(header_size)) return BmpError::bad_header;
  if (file.size() < kFileHeaderSize + header_size) return BmpError::truncated;

  const InfoFields fields = read_info_fields(file, header_size);
  if (BmpError error = check_picture(fields); error != BmpError::none) return error;
  layout.width = fields.width;
  layout.rows = fields.height < 0 ? -fields.height : fields.height;
  layout.top_down = fields.height < 0;
  layout.depth = static_cast<int>(fields.depth);
  return place_data(file, fields, layout);
}

Palette read_palette(std::span<const std::uint8_t> file, const Layout& layout) {
  Palette palette{};
  for (Index i = 0; i < layout.palette_count; ++i) {
    const auto at = static_cast<std::size_t>(layout.palette_offset + i * layout.palette_entry_size);
    palette[static_cast<std::size_t>(i)] = {file[at], file[at + 1], file[at + 2]};
  }
  return palette;
}

// Palette index of pixel x in a row of 1-, 4- or 8-bit pixels, the leftmost
// pixel in the highest bits of its byte.
unsigned index_at(const std::uint8_t* row, Index x, int depth) {
  const Index bit = x * depth;
  const unsigned byte = row[bit / 8];
  const auto shift = static_cast<unsigned>(8 - depth - bit % 8);
  return (byte >> shift) & ((1u << depth) - 1);
}

BmpError expand_row(const std::uint8_t* in, const Layout& layout, const Palette& palette,
                    std::uint8_t* out) {
  if (layout.depth == 24) {
    std::memcpy(out, in, static_cast<std::size_t>(layout.width) * 3);
    return BmpError::none;
  }
  for (Index x = 0; x < layout.width; ++x) {
    const unsigned index = index_at(in, x, layout.depth);
    if (index >= layout.palette_count) return BmpError::bad_palette_index;
    std::memcpy(out + x * 3, palette[index].data(), 3);
  }
  return BmpError::none;
}

BmpError decode_pixels(std::span<const std::uint8_t> file, const Layout& layout,
                       std::vector<std::uint8_t>& pixels) {
  const Palette palette = read_palette(file, layout);
  const auto row_bytes = static_cast<std::size_t>(layout.width) * 3;
  pixels.assign(row_bytes * static_cast<std::size_t>(layout.rows), 0);
  for (Index r = 0; r < layout.rows; ++r) {
    // Our rows are stored bottom-up like a positive-height file's; a
    // top-down file fills them from the other end.
    const Index stored_row = layout.top_down ? layout.rows - 1 - r : r;
    const std::uint8_t* in = file.data() + layout.pixel_offset + r * layout.row_stride;
    std::uint8_t* out = pixels.data() + static_cast<std::size_t>(stored_row) * row_bytes;
    if (BmpError error = expand_row(in, layout, palette, out); error != BmpError::none) {
      return error;
    }
  }
  return BmpError::none;
}

}  // namespace

const char* describe(BmpError error) {
  switch (error) {
    case BmpError::none:
      return "no error";
    case BmpError::truncated:
      return "the file ends before the data its headers promise";
    case BmpError::bad_signature:
      return "not a BMP file (no BM signature)";
    case BmpError::bad_header:
      return "unknown header size, or a plane count other than 1";
    case BmpError::unsupported_format:
      return "compressed, or a depth other than 1, 4, 8 or 24 bits";
    case BmpError::bad_dimensions:
      return "a width or height of 0, or a negative width";
    case BmpError::too_large:
      return "the picture is larger than a bitmap may be";
    case BmpError::bad_palette:
      return "the palette has more colours than the depth can name";
    case BmpError::bad_palette_index:
      return "a pixel names a colour past the end of the palette";
    case BmpError::bad_offset:
      return "the pixel data starts inside the headers or the palette";
  }
  return "unknown BMP error";
}

BmpError decode_bmp(std::span<const std::uint8_t> file, DecodedBitmap& out) {
  Layout layout;
  if (BmpError error = read_layout(file, layout); error != BmpError::none) return error;
  DecodedBitmap decoded;
  if (BmpError error = decode_pixels(file, layout, decoded.pixels); error != BmpError::none) {
    return error;
  }
  decoded.width = static_cast<int>(layout.width);
  decoded.height = static_cast<int>(layout.rows);
  decoded.stored_depth = layout.depth;
  out = std::move(decoded);
  return BmpError::none;
}

}  // namespace platform
