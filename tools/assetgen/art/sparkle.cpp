#include "art/sparkle.h"

#include <array>

namespace assetgen {

namespace {

void fill_star(Canvas& canvas, double cx, double cy, double radius, double waist, Rgb colour) {
  const std::array<Point, 8> corners = {{
      {cx, cy - radius},
      {cx + waist, cy - waist},
      {cx + radius, cy},
      {cx + waist, cy + waist},
      {cx, cy + radius},
      {cx - waist, cy + waist},
      {cx - radius, cy},
      {cx - waist, cy - waist},
  }};
  canvas.fill_polygon(corners, colour);
}

}  // namespace

void draw_sparkle(Canvas& canvas, double cx, double cy, double radius, Rgb body, Rgb rim) {
  fill_star(canvas, cx, cy, radius + 1.5, radius * 0.22 + 1.5, rim);
  fill_star(canvas, cx, cy, radius, radius * 0.22, body);
  canvas.fill_circle(cx, cy, radius * 0.18, kNearWhite);
}

}  // namespace assetgen
