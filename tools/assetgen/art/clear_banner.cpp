#include "art/display_lettering.h"
#include "art/pictures.h"
#include "art/sparkle.h"
#include "raster/shaded_shape.h"

namespace assetgen {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 144;

ShapePaint sunny_gold() {
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {255, 252, 170}},
                          {0.4, {255, 222, 40}},
                          {0.75, {255, 155, 20}},
                          {1.0, {235, 95, 25}}}),
      .outline = {125, 35, 10},
      .outline_width = 4,
      .bevel = 3,
  };
  paint.highlight_weight = 120;
  paint.shade = {140, 40, 0};
  paint.shade_weight = 90;
  paint.drop_shadow = Rgb{150, 150, 168};
  paint.shadow_offset = 5;
  return paint;
}

}  // namespace

Canvas draw_clear_banner() {
  Canvas banner(kWidth, kHeight);
  const DisplayShape shape{
      .unit_width = 7.5, .unit_height = 9, .pen = 18, .letter_gap = 6, .slant = 0.12};
  const ShapePaint paint = sunny_gold();
  const Mask word = display_word("CLEAR!", shape);
  paint_centred(banner, word, paint);

  const Rgb twinkle{255, 246, 150};
  const Rgb rim{230, 140, 20};
  draw_sparkle(banner, 14, 22, 9, twinkle, rim);
  draw_sparkle(banner, 386, 120, 10, twinkle, rim);
  draw_sparkle(banner, 384, 20, 6, twinkle, rim);
  draw_sparkle(banner, 16, 124, 5, twinkle, rim);
  return banner;
}

}  // namespace assetgen
