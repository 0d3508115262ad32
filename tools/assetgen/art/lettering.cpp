#include "art/lettering.h"

#include <vector>

#include "art/glyphs.h"

namespace assetgen {

Mask glyph_shape(char c, const LetteringShape& shape) {
  const Mask grid = glyph_mask(c);
  Mask glyph = grid;
  for (int i = 0; i < shape.smoothing_doublings; ++i)
    glyph = glyph.smoothed_double();
  return glyph.resampled(grid.width() * shape.unit_width, kGlyphRows * shape.unit_height);
}

Mask lettering_mask(std::string_view text, const LetteringShape& shape) {
  std::vector<Mask> glyphs;
  int width = 0;
  for (char c : text) {
    glyphs.push_back(glyph_shape(c, shape));
    width += glyphs.back().width();
  }
  if (!glyphs.empty()) width += shape.letter_gap * static_cast<int>(glyphs.size() - 1);
  Mask word(width, kGlyphRows * shape.unit_height);
  int pen = 0;
  for (const Mask& glyph : glyphs) {
    word.merge(glyph, pen, 0);
    pen += glyph.width() + shape.letter_gap;
  }
  return word;
}

}  // namespace assetgen
