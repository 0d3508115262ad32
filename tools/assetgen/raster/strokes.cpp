#include "raster/strokes.h"

#include <cmath>

#include "core/exact_math.h"

namespace assetgen {

void stroke_arc(Canvas& canvas, Point centre, double rx, double ry, double from_angle,
                double to_angle, double width, Rgb colour) {
  // Short chords of about two pixels follow the curve closely enough.
  const double span = to_angle - from_angle;
  const int pieces = std::max(8, static_cast<int>(std::fabs(span) * std::max(rx, ry) / 2));
  Point previous{centre.x + rx * exact_cos(from_angle), centre.y + ry * exact_sin(from_angle)};
  for (int i = 1; i <= pieces; ++i) {
    const double angle = from_angle + span * i / pieces;
    const Point next{centre.x + rx * exact_cos(angle), centre.y + ry * exact_sin(angle)};
    canvas.draw_line(previous, next, width, colour);
    previous = next;
  }
}

}  // namespace assetgen
