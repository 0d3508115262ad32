#include "art/lettering.h"
#include "art/pictures.h"
#include "art/text_styles.h"

namespace assetgen {

namespace {

constexpr int kCell = 16;

// Glyphs two pixels to a unit, corners rounded once, with a one-pixel
// outline: fourteen pixels of body and outline in a sixteen-pixel cell.
const LetteringShape kSmallText{.smoothing_doublings = 1, .unit_width = 2, .unit_height = 2};

void draw_glyph_cell(Canvas& sheet, char c, int cell_x, int cell_y, const ShapePaint& paint) {
  const Mask body = glyph_shape(c, kSmallText);
  const int x = cell_x + (kCell - body.width()) / 2;
  const int y = cell_y + (kCell - body.height()) / 2;
  paint_shaded_shape(sheet, body, x, y, paint);
}

}  // namespace

Canvas draw_font_sheet() {
  Canvas sheet(26 * kCell, 2 * kCell);
  const ShapePaint digits = pink_red_digits(1, 1);
  const ShapePaint letters = blue_letters(1, 1);
  for (int d = 0; d < 10; ++d)
    draw_glyph_cell(sheet, static_cast<char>('0' + d), d * kCell, 0, digits);
  for (int l = 0; l < 26; ++l)
    draw_glyph_cell(sheet, static_cast<char>('A' + l), l * kCell, kCell, letters);
  return sheet;
}

}  // namespace assetgen
