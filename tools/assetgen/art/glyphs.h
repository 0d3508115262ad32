#pragma once

#include "raster/mask.h"

namespace assetgen {

// The house font: every digit, capital and '!' drawn on a grid seven units
// high, two units per upright stroke so the letters stay bold when small.
// Digits are five units wide, most capitals six, M and W seven, I four.
inline constexpr int kGlyphRows = 7;

// The glyph of `c` at one pixel per unit; an empty mask for characters the
// font does not have.
Mask glyph_mask(char c);

}  // namespace assetgen
