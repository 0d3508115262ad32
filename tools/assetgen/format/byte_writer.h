#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace assetgen {

// Appends little-endian integers to a growing byte buffer: every file format
// the generator writes stores its numbers that way.
class ByteWriter {
 public:
  void u8(std::uint8_t value) { bytes_.push_back(value); }
  void u16(std::uint16_t value);
  void u32(std::uint32_t value);
  void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
  void tag(const char (&four_letters)[5]);
  void append(std::span<const std::uint8_t> data);

  std::size_t size() const { return bytes_.size(); }
  std::vector<std::uint8_t> take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

}  // namespace assetgen
