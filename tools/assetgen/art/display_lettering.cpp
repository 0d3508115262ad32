#include "art/display_lettering.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "art/display_face.h"

namespace assetgen {

namespace {

struct Segment {
  double ax, ay, bx, by;
};

double distance_squared(const Segment& s, double px, double py) {
  const double dx = s.bx - s.ax;
  const double dy = s.by - s.ay;
  const double length_squared = dx * dx + dy * dy;
  double t = 0;
  if (length_squared > 0)
    t = std::clamp(((px - s.ax) * dx + (py - s.ay) * dy) / length_squared, 0.0, 1.0);
  const double ex = px - (s.ax + t * dx);
  const double ey = py - (s.ay + t * dy);
  return ex * ex + ey * ey;
}

// Every stroke of the word as pixel-space segments, each glyph moved along by
// the pen position and leaned by the slant.
std::vector<Segment> word_segments(std::string_view text, const DisplayShape& shape,
                                   double& width) {
  std::vector<Segment> segments;
  const double margin = shape.pen / 2;
  const double body_height = kDisplayHeight * shape.unit_height;
  double pen_x = 0;
  bool first = true;
  for (char c : text) {
    if (c == ' ') {
      pen_x += shape.space_width;
      first = true;
      continue;
    }
    if (!first) pen_x += shape.letter_gap;
    first = false;
    const StrokeGlyph& glyph = display_glyph(c);
    const auto place = [&](StrokePoint p) {
      const double y = margin + p.y * shape.unit_height;
      const double lean = shape.slant * (margin + body_height - y);
      return StrokePoint{pen_x + margin + p.x * shape.unit_width + lean, y};
    };
    for (const Stroke& stroke : glyph.strokes) {
      for (std::size_t i = 0; i < stroke.size(); ++i) {
        const StrokePoint a = place(stroke[i]);
        const StrokePoint b = place(stroke[std::min(i + 1, stroke.size() - 1)]);
        if (i + 1 < stroke.size() || stroke.size() == 1) segments.push_back({a.x, a.y, b.x, b.y});
      }
    }
    pen_x += (glyph.width - glyph.kerning) * shape.unit_width + shape.pen;
  }
  width = pen_x + shape.slant * (body_height + shape.pen);
  return segments;
}

}  // namespace

Mask display_word(std::string_view text, const DisplayShape& shape) {
  double width = 0;
  const std::vector<Segment> segments = word_segments(text, shape, width);
  const int height = static_cast<int>(std::ceil(kDisplayHeight * shape.unit_height + shape.pen));
  Mask word(static_cast<int>(std::ceil(width)), height);
  const double reach = shape.pen / 2;
  for (const Segment& s : segments) {
    const int left = static_cast<int>(std::floor(std::min(s.ax, s.bx) - reach));
    const int right = static_cast<int>(std::ceil(std::max(s.ax, s.bx) + reach));
    const int top = static_cast<int>(std::floor(std::min(s.ay, s.by) - reach));
    const int bottom = static_cast<int>(std::ceil(std::max(s.ay, s.by) + reach));
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x)
        if (distance_squared(s, x + 0.5, y + 0.5) <= reach * reach) word.set(x, y);
  }
  return word;
}

}  // namespace assetgen
