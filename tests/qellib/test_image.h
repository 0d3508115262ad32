#pragma once

// An off-screen image on a buffer of the test's own: enough for the
// per-pixel modes, which need only the pixel store and the size.

#include <cstdint>
#include <random>
#include <vector>

#include "QelLib.h"
#include "pixel_loop_reference.h"

namespace qeltest {

struct Bgr {
  std::uint8_t b, g, r;
  bool operator==(const Bgr&) const = default;
};

class TestImage {
 public:
  TestImage(int width, int height)
      : pixels_(static_cast<std::size_t>(width) * height * 3 + kGuardBytes, kGuard) {
    image.bits = pixels_.data();
    image.ps = {0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)};
  }

  TestImage(const TestImage&) = delete;
  TestImage& operator=(const TestImage&) = delete;

  QelImage image;

  int width() const { return image.ps.width; }
  int height() const { return image.ps.height; }
  PixelStore store() { return {image.bits, width(), height()}; }
  std::vector<std::uint8_t>& bytes() { return pixels_; }

  Bgr At(int x, int y) const {
    const std::uint8_t* p = pixels_.data() + Offset({nullptr, width(), height()}, x, y);
    return {p[0], p[1], p[2]};
  }
  void Put(int x, int y, Bgr c) {
    std::uint8_t* p = pixels_.data() + Offset({nullptr, width(), height()}, x, y);
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
  }
  void Fill(Bgr c) {
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x)
        Put(x, y, c);
    }
  }

  // Pixels that exercise the colour key: white, its near misses and others.
  void FillRandom(std::mt19937& rng) {
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int y = 0; y < height(); ++y) {
      for (int x = 0; x < width(); ++x) {
        const int k = kind(rng);
        Bgr c = {static_cast<std::uint8_t>(byte(rng)), static_cast<std::uint8_t>(byte(rng)),
                 static_cast<std::uint8_t>(byte(rng))};
        if (k < 4) c = {255, 255, 255};
        if (k == 4) c = {255, 255, 254};
        if (k == 5) c = {254, 255, 255};
        if (k == 6) c = {255, 254, 255};
        Put(x, y, c);
      }
    }
  }

  // The bytes past the pixels must never change.
  bool GuardIntact() const {
    for (std::size_t i = pixels_.size() - kGuardBytes; i < pixels_.size(); ++i) {
      if (pixels_[i] != kGuard) return false;
    }
    return true;
  }

 private:
  static constexpr std::size_t kGuardBytes = 64;
  static constexpr std::uint8_t kGuard = 0xA5;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace qeltest
