#include <algorithm>

#include "art/pictures.h"
#include "raster/indexed_image.h"

namespace assetgen {

namespace {

// The icon's sixteen colours; black doubles as the colour under the
// see-through corners.
constexpr Rgb kNight{30, 38, 98};
constexpr Rgb kMaroon{86, 26, 50};
constexpr Rgb kBlock{150, 196, 245};
constexpr Rgb kBlockLit{215, 236, 255};
constexpr Rgb kBlockDark{52, 96, 170};
constexpr Rgb kSteel{170, 180, 205};
constexpr Rgb kSteelDark{30, 32, 50};
constexpr Rgb kRope{236, 222, 170};
constexpr Rgb kSkin{250, 205, 165};
constexpr Rgb kShirt{226, 62, 52};
constexpr Rgb kTrousers{70, 110, 210};
constexpr Rgb kGold{255, 214, 32};
constexpr Rgb kGoldDark{200, 128, 0};

// Corners cut round so the icon reads as a tile.
Mask rounded_corners(int size, double radius) {
  Mask transparent(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const double cx = std::min(std::max(x + 0.5, radius), size - radius);
      const double cy = std::min(std::max(y + 0.5, radius), size - radius);
      const double dx = x + 0.5 - cx;
      const double dy = y + 0.5 - cy;
      transparent.set(x, y, dx * dx + dy * dy > radius * radius);
    }
  }
  return transparent;
}

void draw_background(Canvas& c, int square) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x)
      c.set(x, y, ((x / square) + (y / square)) % 2 == 0 ? kNight : kMaroon);
}

// A block along the top, the hook caught in it, the rope down to the climber,
// and the goal waiting in the corner.
Canvas draw_large() {
  Canvas c(32, 32);
  draw_background(c, 8);
  c.fill_rect(0, 0, 32, 9, kBlock);
  c.fill_rect(0, 0, 32, 2, kBlockLit);
  c.fill_rect(0, 7, 32, 2, kBlockDark);
  c.fill_rect(24, 24, 8, 8, kGold);
  c.fill_rect(24, 24, 8, 1, kGoldDark);
  c.fill_rect(24, 24, 1, 8, kGoldDark);
  c.draw_line({21, 10}, {12, 17}, 1.3, kRope);
  c.fill_circle(22, 10, 3.2, kSteelDark);
  c.fill_circle(21.6, 9.6, 2.2, kSteel);
  c.fill_circle(11.5, 19.5, 2.4, kSkin);
  c.fill_rect(9, 22, 6, 5, kShirt);
  c.fill_rect(9, 27, 2, 4, kTrousers);
  c.fill_rect(13, 27, 2, 4, kTrousers);
  return c;
}

Canvas draw_small() {
  Canvas c(16, 16);
  draw_background(c, 4);
  c.fill_rect(0, 0, 16, 5, kBlock);
  c.fill_rect(0, 0, 16, 1, kBlockLit);
  c.fill_rect(0, 4, 16, 1, kBlockDark);
  c.fill_rect(12, 12, 4, 4, kGold);
  c.draw_line({10.5, 5.5}, {6, 9}, 1, kRope);
  c.fill_rect(10, 5, 2, 2, kSteel);
  c.fill_rect(5, 9, 2, 2, kSkin);
  c.fill_rect(4, 11, 4, 2, kShirt);
  c.fill_rect(4, 13, 1, 2, kTrousers);
  c.fill_rect(7, 13, 1, 2, kTrousers);
  return c;
}

IconImage to_icon(Canvas picture, double corner_radius) {
  const Mask transparent = rounded_corners(picture.width(), corner_radius);
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (transparent.at(x, y)) picture.set(x, y, kBlack);
  return {index_colours(picture, 16), transparent};
}

}  // namespace

std::vector<IconImage> draw_program_icons() {
  return {to_icon(draw_large(), 5), to_icon(draw_small(), 2.5)};
}

}  // namespace assetgen
