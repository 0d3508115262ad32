#include "format/byte_writer.h"

namespace assetgen {

void ByteWriter::u16(std::uint16_t value) {
  u8(static_cast<std::uint8_t>(value & 0xFF));
  u8(static_cast<std::uint8_t>(value >> 8));
}

void ByteWriter::u32(std::uint32_t value) {
  u16(static_cast<std::uint16_t>(value & 0xFFFF));
  u16(static_cast<std::uint16_t>(value >> 16));
}

void ByteWriter::tag(const char (&four_letters)[5]) {
  for (int i = 0; i < 4; ++i)
    u8(static_cast<std::uint8_t>(four_letters[i]));
}

void ByteWriter::append(std::span<const std::uint8_t> data) {
  bytes_.insert(bytes_.end(), data.begin(), data.end());
}

}  // namespace assetgen
