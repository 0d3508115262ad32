#include "sdl/screen_pixels.h"

#include <algorithm>
#include <cstring>

#include "common/bitmap_internal.h"

namespace platform::detail {
namespace {

// One row of the screen, each pixel repeated `scale` times.
void widen_row(const std::uint8_t* source, int pixels, int scale, std::uint32_t* target) {
  for (int x = 0; x < pixels; ++x, source += 3) {
    const std::uint32_t pixel =
        0xFF000000u | std::uint32_t{source[2]} << 16 | std::uint32_t{source[1]} << 8 | source[0];
    for (int copy = 0; copy < scale; ++copy) {
      *target++ = pixel;
    }
  }
}

}  // namespace

void write_screen(const Bitmap& screen, int scale, int x, int y, const PixelTarget& target,
                  std::vector<std::uint32_t>& row) {
  const int wide = screen.width() * scale;
  row.resize(static_cast<std::size_t>(wide));
  // The columns of the widened row that land inside the target.
  const int first = std::max(0, -x);
  const int last = std::min(wide, target.size.width - x);
  if (first >= last) return;
  const auto span = static_cast<std::size_t>(last - first) * sizeof(std::uint32_t);
  const auto source_stride = static_cast<std::size_t>(screen.width()) * 3;

  for (int source_row = 0; source_row < screen.height(); ++source_row) {
    const int top = y + source_row * scale;
    if (top + scale <= 0 || top >= target.size.height) continue;
    // The screen keeps its bottom row first.
    const std::uint8_t* source =
        screen.bits() + static_cast<std::size_t>(screen.height() - 1 - source_row) * source_stride;
    widen_row(source, screen.width(), scale, row.data());
    for (int line = std::max(top, 0); line < std::min(top + scale, target.size.height); ++line) {
      std::memcpy(target.pixels + static_cast<std::size_t>(line) * target.pitch +
                      static_cast<std::size_t>(x + first) * sizeof(std::uint32_t),
                  row.data() + first, span);
    }
  }
}

}  // namespace platform::detail
