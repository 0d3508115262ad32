#include "art/lettering.h"
#include "art/pictures.h"
#include "art/text_styles.h"

namespace assetgen {

namespace {

constexpr int kBigCell = 32;

// Four pixels to a unit with two rounds of smoothing; a two-pixel outline
// brings the seven rows to exactly one 32-pixel cell.
const LetteringShape kBigText{.smoothing_doublings = 2, .unit_width = 4, .unit_height = 4};

void draw_word(Canvas& sheet) {
  LetteringShape shape = kBigText;
  shape.letter_gap = 10;
  const ShapePaint paint = grey_metal(2, 2);
  const Mask word = lettering_mask("STAGE", shape);
  // The word spans x 4 to 167, leaving the slot at x 224 for the stage digit.
  paint_shaded_shape(sheet, word, 4 + painted_margin_before(paint), painted_margin_before(paint),
                     paint);
}

void draw_big_digits(Canvas& sheet) {
  const ShapePaint paint = pink_red_digits(2, 2);
  for (int d = 0; d < 10; ++d) {
    const Mask body = glyph_shape(static_cast<char>('0' + d), kBigText);
    const int x = d * kBigCell + (kBigCell - body.width()) / 2;
    paint_shaded_shape(sheet, body, x, kBigCell + painted_margin_before(paint), paint);
  }
}

}  // namespace

Canvas draw_stage_label() {
  Canvas sheet(320, 2 * kBigCell);
  draw_word(sheet);
  draw_big_digits(sheet);
  return sheet;
}

}  // namespace assetgen
