#include "raster/mask.h"

namespace assetgen {

Mask::Mask(int width, int height)
    : width_(width), height_(height), bits_(static_cast<std::size_t>(width * height), 0) {}

Mask Mask::from_rows(const std::vector<std::string_view>& rows) {
  const int height = static_cast<int>(rows.size());
  const int width = height == 0 ? 0 : static_cast<int>(rows[0].size());
  Mask mask(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width && x < static_cast<int>(rows[y].size()); ++x)
      mask.set(x, y, rows[y][x] == '#');
  return mask;
}

bool Mask::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return bits_[static_cast<std::size_t>(y * width_ + x)] != 0;
}

void Mask::set(int x, int y, bool on) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  bits_[static_cast<std::size_t>(y * width_ + x)] = on ? 1 : 0;
}

Mask Mask::smoothed_double() const {
  Mask out(width_ * 2, height_ * 2);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const bool p = at(x, y);
      const bool up = at(x, y - 1);
      const bool right = at(x + 1, y);
      const bool left = at(x - 1, y);
      const bool down = at(x, y + 1);
      out.set(2 * x, 2 * y, (left == up && left != down && up != right) ? up : p);
      out.set(2 * x + 1, 2 * y, (up == right && up != left && right != down) ? right : p);
      out.set(2 * x, 2 * y + 1, (down == left && down != right && left != up) ? left : p);
      out.set(2 * x + 1, 2 * y + 1, (right == down && right != up && down != left) ? down : p);
    }
  }
  return out;
}

Mask Mask::resampled(int new_width, int new_height) const {
  Mask out(new_width, new_height);
  for (int y = 0; y < new_height; ++y)
    for (int x = 0; x < new_width; ++x)
      out.set(x, y, at(x * width_ / new_width, y * height_ / new_height));
  return out;
}

Mask Mask::grown(int radius) const {
  Mask out(width_ + 2 * radius, height_ + 2 * radius);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (!at(x, y)) continue;
      for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
          if (dx * dx + dy * dy <= radius * radius + radius / 2)
            out.set(x + dx + radius, y + dy + radius);
    }
  }
  return out;
}

void Mask::merge(const Mask& other, int x, int y) {
  for (int row = 0; row < other.height_; ++row)
    for (int column = 0; column < other.width_; ++column)
      if (other.at(column, row)) set(x + column, y + row);
}

int Mask::depth_towards(int x, int y, int dx, int dy, int limit) const {
  int steps = 0;
  while (steps < limit && at(x + dx * (steps + 1), y + dy * (steps + 1)))
    ++steps;
  return steps;
}

}  // namespace assetgen
