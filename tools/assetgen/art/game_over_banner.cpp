#include "art/display_lettering.h"
#include "art/pictures.h"
#include "art/text_styles.h"
#include "raster/shaded_shape.h"

namespace assetgen {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 144;

}  // namespace

Canvas draw_game_over_banner() {
  Canvas banner(kWidth, kHeight);
  // Narrow units stretched tall: the capitals stand about three times as
  // high as they are wide.
  const DisplayShape shape{
      .unit_width = 4.6, .unit_height = 10.5, .pen = 12, .letter_gap = 5, .space_width = 16};
  ShapePaint paint = grey_metal(3, 2);
  paint.drop_shadow = Rgb{165, 165, 175};
  paint.shadow_offset = 4;
  const Mask words = display_word("GAME OVER", shape);
  paint_centred(banner, words, paint);
  return banner;
}

}  // namespace assetgen
