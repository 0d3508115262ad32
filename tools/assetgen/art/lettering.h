#pragma once

#include <string_view>

#include "raster/mask.h"

namespace assetgen {

// How the house font is blown up for the game's pixel text.
struct LetteringShape {
  int smoothing_doublings = 0;  // rounds of diagonal smoothing before scaling
  int unit_width = 2;           // pixels per grid unit across
  int unit_height = 2;          // pixels per grid unit down
  int letter_gap = 2;           // pixels between letters
};

// The shape of one glyph at the given size.
Mask glyph_shape(char c, const LetteringShape& shape);

// The shape of a word without spaces, its letters side by side.
Mask lettering_mask(std::string_view text, const LetteringShape& shape);

}  // namespace assetgen
