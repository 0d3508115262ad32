#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace assetgen {

// A picture of one bit per pixel: the shape of a letter or a figure before it
// is coloured. Reads outside the mask are empty.
class Mask {
 public:
  Mask() = default;
  Mask(int width, int height);
  // Rows of text, '#' marking a set pixel; every row as long as the first.
  static Mask from_rows(const std::vector<std::string_view>& rows);

  int width() const { return width_; }
  int height() const { return height_; }
  bool at(int x, int y) const;
  void set(int x, int y, bool on = true);

  // Twice the size, with the staircase of every diagonal smoothed (the
  // classic EPX rule): blocky pixel glyphs grow into rounded bold letters.
  Mask smoothed_double() const;
  // Nearest-neighbour resampling to the given size.
  Mask resampled(int new_width, int new_height) const;
  // Every pixel within `radius` (round brush) of a set pixel, on a mask
  // grown by `radius` on every side.
  Mask grown(int radius) const;
  // Places `other` with its top-left at (x, y), setting (not clearing) pixels.
  void merge(const Mask& other, int x, int y);

  // Number of steps from a set pixel to the nearest empty pixel going in
  // direction (dx, dy), capped at `limit`. Drives bevel shading.
  int depth_towards(int x, int y, int dx, int dy, int limit) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> bits_;
};

}  // namespace assetgen
