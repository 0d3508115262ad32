// Solid fills and one-pixel lines, clipped to the surface they draw into.

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <set>
#include <utility>

#include "drawing_fixtures.h"
#include "platform/draw.h"

namespace drawing_test {
namespace {

using platform::Colour;
using platform::kBlack;
using platform::kWhite;
using Point = std::pair<int, int>;

// The pixels of a canvas that are no longer black.
std::set<Point> painted(const Canvas& canvas) {
  std::set<Point> points;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.pixel(x, y) != kBlack) points.insert({x, y});
    }
  }
  return points;
}

TEST(FillRect, FillsExactlyTheClippedHalfOpenRectangle) {
  struct Fill {
    const char* name;
    int left, top, right, bottom;
  };
  const Fill fills[] = {
      {"inside", 2, 1, 5, 4},
      {"past the left and top", -3, -2, 2, 2},
      {"past the right and bottom", 8, 4, 30, 30},
      {"the bottom row and right column", 10, 6, 11, 7},
      {"the whole int range", INT_MIN, INT_MIN, INT_MAX, INT_MAX},
      {"right before left", 5, 1, 2, 4},
      {"bottom before top", 1, 5, 4, 2},
      {"empty", 3, 3, 3, 3},
      {"wholly outside", 11, 0, 20, 7},
      {"far outside", INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5},
  };
  const Colour colour = platform::make_colour(10, 20, 30);
  for (const Fill& f : fills) {
    SCOPED_TRACE(f.name);
    Canvas canvas(11, 7);
    canvas.fill_with_pattern(5);
    Picture expected = Picture::of(canvas);
    for (int y = 0; y < canvas.height(); ++y) {
      for (int x = 0; x < canvas.width(); ++x) {
        if (x < f.left || x >= f.right || y < f.top || y >= f.bottom) continue;
        expected.at(x, y)[0] = 30;  // blue, green, red
        expected.at(x, y)[1] = 20;
        expected.at(x, y)[2] = 10;
      }
    }
    EXPECT_TRUE(platform::fill_rect(canvas.context(), f.left, f.top, f.right, f.bottom, colour));
    EXPECT_TRUE(same_pixels(Picture::of(canvas), expected));
  }
}

TEST(DrawLine, DrawsFromTheStartUpToButNotIncludingTheEnd) {
  struct Line {
    const char* name;
    int x0, y0, x1, y1;
    std::set<Point> pixels;
  };
  const Line lines[] = {
      {"rightward", 1, 1, 5, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
      {"leftward", 5, 1, 1, 1, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
      {"downward", 2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}}},
      {"upward", 2, 3, 2, 0, {{2, 3}, {2, 2}, {2, 1}}},
      {"diagonal", 0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}}},
      {"anti-diagonal", 3, 0, 0, 3, {{3, 0}, {2, 1}, {1, 2}}},
      {"one step", 4, 4, 5, 5, {{4, 4}}},
      {"no length", 4, 4, 4, 4, {}},
      {"shallow", 0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
      {"steep", 0, 0, 2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
  };
  for (const Line& line : lines) {
    SCOPED_TRACE(line.name);
    Canvas canvas(8, 6);
    EXPECT_TRUE(platform::draw_line(canvas.context(), line.x0, line.y0, line.x1, line.y1, kWhite));
    EXPECT_EQ(painted(canvas), line.pixels);
  }
}

// A line that leaves the surface draws exactly the part of the whole line
// that lies inside: the same pixels as on a larger surface.
TEST(DrawLine, ClippedLineDrawsThePixelsOfTheWholeLine) {
  struct Line {
    int x0, y0, x1, y1;
  };
  const Line lines[] = {{-10, -5, 25, 15}, {20, -8, -6, 18}, {5, -15, 9, 30},
                        {-7, 11, 22, 10},  {15, 3, -30, 4},  {-3, -3, 19, 19}};
  constexpr int kMargin = 40;
  for (const Line& line : lines) {
    SCOPED_TRACE(testing::Message()
                 << line.x0 << "," << line.y0 << " to " << line.x1 << "," << line.y1);
    Canvas small(16, 12);
    Canvas large(16 + 2 * kMargin, 12 + 2 * kMargin);
    platform::draw_line(small.context(), line.x0, line.y0, line.x1, line.y1, kWhite);
    platform::draw_line(large.context(), line.x0 + kMargin, line.y0 + kMargin, line.x1 + kMargin,
                        line.y1 + kMargin, kWhite);
    std::set<Point> expected;
    for (const auto& [x, y] : painted(large)) {
      if (x >= kMargin && x < kMargin + 16 && y >= kMargin && y < kMargin + 12) {
        expected.insert({x - kMargin, y - kMargin});
      }
    }
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(painted(small), expected);
  }
}

// Lines across the whole int range: one pixel in each column they cross (or
// each row, for steep lines), each within half a pixel of the true line.
TEST(DrawLine, LinesAcrossTheIntRangeStayOnTheTrueLine) {
  struct Line {
    int x0, y0, x1, y1;
  };
  const Line lines[] = {{INT_MIN, 3, INT_MAX, 3},
                        {5, INT_MAX, 5, INT_MIN},
                        {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
                        {INT_MAX, 10 - INT_MAX, 10 - INT_MAX, INT_MAX},
                        {INT_MIN, 0, INT_MAX, 11},
                        {-5, INT_MIN, 9, INT_MAX},
                        {-(1 << 30), -(1 << 30), 1 << 30, 1 << 30}};
  for (const Line& line : lines) {
    SCOPED_TRACE(testing::Message()
                 << line.x0 << "," << line.y0 << " to " << line.x1 << "," << line.y1);
    Canvas canvas(13, 12);
    EXPECT_TRUE(platform::draw_line(canvas.context(), line.x0, line.y0, line.x1, line.y1, kWhite));
    const long double dx = static_cast<long double>(line.x1) - line.x0;
    const long double dy = static_cast<long double>(line.y1) - line.y0;
    const bool along_x = std::fabs(dx) >= std::fabs(dy);
    // Where the true line runs across at a given place along it.
    const long double start_along = along_x ? line.x0 : line.y0;
    const long double start_across = along_x ? line.y0 : line.x0;
    const long double run = along_x ? dx : dy;
    const long double rise = along_x ? dy : dx;
    auto fraction_at = [&](long double along) { return (along - start_along) / run; };
    std::set<int> lanes;
    for (const auto& [x, y] : painted(canvas)) {
      const long double along = along_x ? x : y;
      const long double across = along_x ? y : x;
      const long double ideal = start_across + fraction_at(along) * rise;
      EXPECT_LE(std::fabs(across - ideal), 0.5L) << "pixel " << x << "," << y;
      EXPECT_TRUE(lanes.insert(along_x ? x : y).second)
          << "two pixels in one lane at " << x << "," << y;
    }
    // Every lane in which the true line runs well inside the canvas has its pixel.
    const int lane_count = along_x ? canvas.width() : canvas.height();
    const int across_size = along_x ? canvas.height() : canvas.width();
    for (int lane = 0; lane < lane_count; ++lane) {
      const long double t = fraction_at(lane);
      const long double ideal = start_across + t * rise;
      if (t >= 0 && t < 1 && ideal >= 0 && ideal <= across_size - 1) {
        EXPECT_TRUE(lanes.contains(lane)) << "nothing drawn in lane " << lane;
      }
    }
    EXPECT_FALSE(lanes.empty());
  }
}

}  // namespace
}  // namespace drawing_test
