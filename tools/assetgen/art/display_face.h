#pragma once

#include <vector>

namespace assetgen {

// The display face of the big titles: letters drawn as thick pen strokes
// along centre lines, so they stay smooth at any size and can be stretched
// tall or slanted. Coordinates are in units on a glyph ten units high, y
// down; a glyph is `width` units across between its outermost centre lines.
struct StrokePoint {
  double x;
  double y;
};

// One pen stroke: a line through its points, or a single point for a dot.
using Stroke = std::vector<StrokePoint>;

struct StrokeGlyph {
  double width = 0;
  std::vector<Stroke> strokes;
  // Units the next letter may move in: L's bar leaves room above it.
  double kerning = 0;
};

inline constexpr double kDisplayHeight = 10;

// The glyph of `c`. The face holds the letters the titles use (A C E G K L M
// O Q R V) and '!'; any other character stops the generator.
const StrokeGlyph& display_glyph(char c);

}  // namespace assetgen
