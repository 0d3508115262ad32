#pragma once

#include "raster/shaded_shape.h"

namespace assetgen {

// The colour schemes the game's text shares between its sizes: digits are
// pink-red, letters blue, titles grey metal. `outline` and `bevel` scale
// the rims with the size of the lettering.
ShapePaint pink_red_digits(int outline, int bevel);
ShapePaint blue_letters(int outline, int bevel);
ShapePaint grey_metal(int outline, int bevel);

}  // namespace assetgen
