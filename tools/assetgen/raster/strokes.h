#pragma once

#include "raster/canvas.h"

namespace assetgen {

// Part of an ellipse's rim drawn as a line of the given width. Angles are in
// radians, 0 pointing right and growing clockwise on screen (y is down), so
// 0 to pi runs along the lower half.
void stroke_arc(Canvas& canvas, Point centre, double rx, double ry, double from_angle,
                double to_angle, double width, Rgb colour);

inline void stroke_ellipse(Canvas& canvas, Point centre, double rx, double ry, double width,
                           Rgb colour) {
  stroke_arc(canvas, centre, rx, ry, 0, 6.283185307179586, width, colour);
}

}  // namespace assetgen
