#include "art/bevel_frame.h"

#include <algorithm>

namespace assetgen {

void draw_bevel_frame(Canvas& canvas, int x, int y, int size, const BevelFrame& frame) {
  const int rings = static_cast<int>(frame.lit.size());
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      const int to_top = row;
      const int to_left = column;
      const int to_bottom = size - 1 - row;
      const int to_right = size - 1 - column;
      const int ring = std::min({to_top, to_left, to_bottom, to_right});
      if (ring >= rings) continue;
      // Where a lit side meets a shadowed one the corner is split on the diagonal.
      const bool shadowed = std::min(to_bottom, to_right) < std::min(to_top, to_left);
      const auto index = static_cast<std::size_t>(ring);
      canvas.set(x + column, y + row, shadowed ? frame.shadowed[index] : frame.lit[index]);
    }
  }
}

}  // namespace assetgen
