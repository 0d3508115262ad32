#pragma once

#include <cstdint>

namespace assetgen {

// White noise from a xorshift generator: the same seed gives the same hiss
// on every machine, which the byte-for-byte check of the wave files needs.
class NoiseSource {
 public:
  explicit NoiseSource(std::uint32_t seed) : state_(seed == 0 ? 0x9E3779B9u : seed) {}

  // A value in [-1, 1).
  double next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return static_cast<double>(state_) / 2147483648.0 - 1.0;
  }

 private:
  std::uint32_t state_;
};

}  // namespace assetgen
