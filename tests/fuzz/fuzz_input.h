#pragma once

// Reads a fuzzer's bytes as the values of one test case; past the end every
// read is zero, so any input is a valid case.

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace qelfuzz {

class FuzzInput {
 public:
  FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

  std::int16_t Int16() {
    const auto low = static_cast<std::uint16_t>(Byte());
    const auto high = static_cast<std::uint16_t>(Byte());
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }

  float Float() {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
      bits |= std::uint32_t{Byte()} << (8 * i);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }

  // Mostly near the image (where clipping has work to do), sometimes anywhere
  // in the 16-bit range.
  std::int16_t Coordinate(int extent) {
    const std::uint8_t how = Byte();
    if (how < 16) return Int16();
    return static_cast<std::int16_t>(static_cast<int>(Byte() % (3 * extent + 8)) - extent - 4);
  }

  // Pixels: each a white one or three bytes of the input, so that runs of
  // white and near-white turn up often.
  void FillPixels(std::uint8_t* bytes, std::size_t count) {
    for (std::size_t i = 0; i + 2 < count; i += 3) {
      const std::uint8_t kind = Byte();
      if (kind < 96) {
        bytes[i] = bytes[i + 1] = bytes[i + 2] = 255;
      } else if (kind < 112) {
        bytes[i] = bytes[i + 1] = bytes[i + 2] = 255;
        bytes[i + kind % 3] = 254;
      } else {
        bytes[i] = Byte();
        bytes[i + 1] = Byte();
        bytes[i + 2] = Byte();
      }
    }
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace qelfuzz
