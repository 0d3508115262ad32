#include "art/display_lettering.h"
#include "art/pictures.h"
#include "raster/shaded_shape.h"

namespace assetgen {

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 163;

// Light sky blue at the top of the letters down to deep navy at their feet.
ShapePaint sky_to_navy() {
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {205, 232, 255}},
                          {0.35, {115, 175, 250}},
                          {0.7, {45, 95, 215}},
                          {1.0, {18, 38, 125}}}),
      .outline = {8, 16, 60},
      .outline_width = 3,
      .bevel = 3,
  };
  paint.highlight_weight = 110;
  paint.shade = {5, 10, 50};
  paint.shade_weight = 80;
  paint.drop_shadow = Rgb{60, 70, 100};
  paint.shadow_offset = 5;
  return paint;
}

}  // namespace

Canvas draw_title_logo() {
  Canvas logo(kWidth, kHeight);
  const DisplayShape shape{
      .unit_width = 10.5, .unit_height = 10, .pen = 20, .letter_gap = 8, .slant = 0.22};
  const ShapePaint paint = sky_to_navy();
  const Mask word = display_word("KELVRO", shape);
  paint_centred(logo, word, paint);
  return logo;
}

}  // namespace assetgen
