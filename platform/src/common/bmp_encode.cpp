#include <cstring>

#include "common/bmp_format.h"
#include "platform/bitmap.h"
#include "platform/bmp.h"

namespace platform {

using namespace detail::bmp_format;

std::vector<std::uint8_t> encode_bmp24(int width, int height,
                                       std::span<const std::uint8_t> pixels) {
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide) return {};
  if (std::int64_t{width} * height > kMaxBitmapPixels) return {};
  const auto row_bytes = static_cast<std::size_t>(width) * 3;
  if (pixels.size() != row_bytes * static_cast<std::size_t>(height)) return {};

  // File rows are padded to 4 bytes and, with a positive height, stored
  // bottom-up: the same order as our own rows.
  const std::size_t stride = (row_bytes + 3) / 4 * 4;
  const std::size_t data_offset = kFileHeaderSize + kInfoHeaderSize;
  const std::size_t data_size = stride * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> file(data_offset + data_size, 0);
  file[0] = 'B';
  file[1] = 'M';
  write_u32(file, kFileSize, static_cast<std::uint32_t>(file.size()));
  write_u32(file, kFilePixelOffset, static_cast<std::uint32_t>(data_offset));
  write_u32(file, kInfoHeaderSizeField, kInfoHeaderSize);
  write_u32(file, kInfoWidth, static_cast<std::uint32_t>(width));
  write_u32(file, kInfoHeight, static_cast<std::uint32_t>(height));
  write_u16(file, kInfoPlanes, 1);
  write_u16(file, kInfoDepth, 24);
  write_u32(file, kInfoCompression, kUncompressed);
  write_u32(file, kInfoImageSize, static_cast<std::uint32_t>(data_size));
  for (int row = 0; row < height; ++row) {
    std::memcpy(file.data() + data_offset + static_cast<std::size_t>(row) * stride,
                pixels.data() + static_cast<std::size_t>(row) * row_bytes, row_bytes);
  }
  return file;
}

}  // namespace platform
