#include <cmath>

#include "art/display_lettering.h"
#include "art/pictures.h"
#include "raster/shaded_shape.h"

namespace assetgen {

namespace {

constexpr int kWidth = 480;
constexpr int kHalfHeight = 178;

// The splash picture is stored with a palette, so its metal and glass are
// shaded in a fixed number of steps.
constexpr int kShadeSteps = 24;

ShapePaint polished_metal() {
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {236, 238, 242}},
                          {0.45, {158, 162, 172}},
                          {0.5, {88, 92, 102}},
                          {0.57, {200, 203, 210}},
                          {1.0, {112, 115, 126}}},
                         kShadeSteps),
      .outline = {40, 42, 52},
      .outline_width = 3,
      .bevel = 3,
  };
  paint.highlight_weight = 110;
  paint.shade = {20, 20, 30};
  paint.shade_weight = 80;
  return paint;
}

ShapePaint light_blue_glass() {
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {205, 235, 255}}, {0.5, {135, 200, 250}}, {1.0, {75, 145, 228}}},
                         kShadeSteps),
      .outline = {30, 80, 160},
      .outline_width = 2,
      .bevel = 3,
  };
  paint.highlight_weight = 130;
  paint.shade = {20, 60, 140};
  paint.shade_weight = 70;
  return paint;
}

constexpr int kBarLength = 64;

// Three bars trailing to the left of the letters, as if they were moving.
Mask speed_bars(int letters_left, int top, int height) {
  Mask bars(kWidth, kHalfHeight);
  for (int i = 0; i < 3; ++i) {
    const int y = top + height * (2 * i + 1) / 7;
    const int thickness = height / 9;
    const int right = letters_left - 4 - (i == 1 ? 0 : 8);
    const int lengths[] = {kBarLength - 20, kBarLength, kBarLength - 20};
    for (int row = y; row < y + thickness; ++row)
      for (int x = right - lengths[i]; x < right; ++x)
        bars.set(x, row);
  }
  return bars;
}

// A sweep that starts low and flat on the left and climbs steeply to the
// right, thickest past its middle and pointed at both ends.
Mask swoosh_mask() {
  Mask swoosh(kWidth, kHalfHeight);
  constexpr double kLeft = 16;
  constexpr double kRight = 466;
  for (int x = 0; x < kWidth; ++x) {
    const double u = (x + 0.5 - kLeft) / (kRight - kLeft);
    if (u <= 0 || u >= 1) continue;
    const double centre = 166.0 - 150.0 * u * u * u;
    const double thickness = 78.0 * u * std::sqrt(1.0 - u);
    for (int y = 0; y < kHalfHeight; ++y)
      swoosh.set(x, y, std::fabs(y + 0.5 - centre) <= thickness / 2);
  }
  return swoosh;
}

void draw_emblem(Canvas& logo) {
  const ShapePaint metal = polished_metal();
  const DisplayShape shape{
      .unit_width = 12, .unit_height = 11, .pen = 22, .letter_gap = 12, .slant = 0.2};
  const Mask letters = display_word("QEL", shape);
  // The bars and the letters together stand in the middle.
  const int x = (kWidth - letters.width() + kBarLength) / 2;
  const int y = (kHalfHeight - letters.height()) / 2;
  paint_shaded_shape(logo, speed_bars(x, y, letters.height()), 0, 0, metal);
  paint_shaded_shape(logo, letters, x, y, metal);
}

}  // namespace

Canvas draw_maker_logo() {
  Canvas logo(kWidth, 2 * kHalfHeight);
  draw_emblem(logo);
  paint_shaded_shape(logo, swoosh_mask(), 0, kHalfHeight, light_blue_glass());
  return logo;
}

}  // namespace assetgen
