#pragma once

#include <optional>

#include "raster/canvas.h"
#include "raster/colour_ramp.h"
#include "raster/mask.h"

namespace assetgen {

// How a flat shape is turned into a raised, lit one: a fill that runs from its
// top to its bottom, a bevel lit from the upper left, a dark outline and an
// optional drop shadow below right.
struct ShapePaint {
  ColourRamp fill;
  Rgb outline = kBlack;
  int outline_width = 1;
  int bevel = 0;  // width of the lit and shaded rims; 0 for none
  Rgb highlight = kNearWhite;
  int highlight_weight = 128;  // of 256, mixed into the fill on the lit rim
  Rgb shade = kBlack;
  int shade_weight = 96;  // of 256, mixed into the fill on the shaded rim
  std::optional<Rgb> drop_shadow = std::nullopt;
  int shadow_offset = 0;
};

// The room a painted shape takes beyond its body on the right and bottom
// (outline and shadow) and on the left and top (outline).
int painted_margin_before(const ShapePaint& paint);
int painted_margin_after(const ShapePaint& paint);

// Paints `body` with its top-left at (x, y); outline and shadow reach past it.
void paint_shaded_shape(Canvas& canvas, const Mask& body, int x, int y, const ShapePaint& paint);

// The same, placed so that the painted shape, rims and shadow included, sits
// in the middle of the canvas.
void paint_centred(Canvas& canvas, const Mask& body, const ShapePaint& paint);

}  // namespace assetgen
