#pragma once

#include "raster/canvas.h"

namespace assetgen {

// A four-pointed twinkle star with a darker rim, centred on (cx, cy).
void draw_sparkle(Canvas& canvas, double cx, double cy, double radius, Rgb body, Rgb rim);

}  // namespace assetgen
