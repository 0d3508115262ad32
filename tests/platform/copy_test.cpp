// Same-size and scaled copies between memory contexts, checked against a
// slow model that works out every destination pixel on its own.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>

#include "drawing_fixtures.h"
#include "platform/draw.h"

namespace drawing_test {
namespace {

using platform::make_colour;

struct Copy {
  const char* name;
  int x, y, width, height;
  int source_x, source_y, source_width, source_height;
};

// Destination pixel (x + j, y + i) takes source pixel
// (source_x + j * source_width / width, source_y + i * source_height / height)
// when both lie inside their pictures; every other pixel stays.
Picture reference(Picture destination, const Picture& source, const Copy& c) {
  if (c.width <= 0 || c.height <= 0 || c.source_width <= 0 || c.source_height <= 0) {
    return destination;  // nothing is drawn, and nothing is mirrored
  }
  for (int py = 0; py < destination.height; ++py) {
    for (int px = 0; px < destination.width; ++px) {
      const std::int64_t j = std::int64_t{px} - c.x;
      const std::int64_t i = std::int64_t{py} - c.y;
      if (j < 0 || i < 0 || j >= c.width || i >= c.height) continue;
      const std::int64_t sx = c.source_x + j * c.source_width / c.width;
      const std::int64_t sy = c.source_y + i * c.source_height / c.height;
      if (source.contains(sx, sy)) std::memcpy(destination.at(px, py), source.at(sx, sy), 3);
    }
  }
  return destination;
}

// Runs one copy from a 9 x 11 picture into a 13 x 7 one (odd sizes, so that a
// row length or a stride taken from the wrong surface shows).
void check_between_canvases(const Copy& c, bool scaled) {
  SCOPED_TRACE(c.name);
  Canvas destination(13, 7);
  Canvas source(9, 11);
  destination.fill_with_pattern(1);
  source.fill_with_pattern(2);
  const Picture source_before = Picture::of(source);
  const Picture expected = reference(Picture::of(destination), source_before, c);

  const bool result = scaled
                          ? platform::stretch_rect(destination.context(), c.x, c.y, c.width,
                                                   c.height, source.context(), c.source_x,
                                                   c.source_y, c.source_width, c.source_height)
                          : platform::copy_rect(destination.context(), c.x, c.y, c.width, c.height,
                                                source.context(), c.source_x, c.source_y);
  EXPECT_TRUE(result);
  EXPECT_TRUE(same_pixels(Picture::of(destination), expected));
  EXPECT_TRUE(same_pixels(Picture::of(source), source_before));
}

constexpr int kMin = INT_MIN;
constexpr int kMax = INT_MAX;

// Same-size copies: the source size repeats the destination size.
const Copy kCopies[] = {
    {"inside both", 2, 1, 5, 4, 3, 2, 5, 4},
    {"whole source onto the origin", 0, 0, 9, 11, 0, 0, 9, 11},
    {"past the destination's left edge", -3, 1, 6, 3, 0, 0, 6, 3},
    {"past the destination's right edge", 10, 2, 6, 3, 1, 1, 6, 3},
    {"past the destination's top edge", 2, -4, 5, 6, 0, 0, 5, 6},
    {"onto the destination's bottom row", 2, 5, 5, 6, 0, 0, 5, 6},
    {"past the source's left edge", 1, 1, 5, 3, -2, 0, 5, 3},
    {"past the source's right edge", 1, 1, 5, 3, 6, 0, 5, 3},
    {"past the source's top edge", 1, 1, 5, 5, 0, -3, 5, 5},
    {"past the source's bottom edge", 1, 1, 5, 5, 0, 8, 5, 5},
    {"past every edge of both", -2, -3, 20, 20, -1, -4, 20, 20},
    {"source wholly outside", 0, 0, 13, 7, 9, 0, 13, 7},
    {"destination wholly outside", 13, 0, 5, 5, 0, 0, 5, 5},
    {"zero width", 0, 0, 0, 5, 0, 0, 0, 5},
    {"negative height", 0, 0, 5, -5, 0, 0, 5, -5},
    {"a billion pixels away", -1000000000, -1000000000, 5, 5, 0, 0, 5, 5},
    {"source a billion pixels away", 0, 0, 5, 5, 1000000000, -1000000000, 5, 5},
    {"width that overflows x + width", 5, 2, kMax, 3, 0, 0, kMax, 3},
    {"far corner of a huge rectangle lands inside", kMin + 10, kMin + 5, kMax, kMax, kMin + 10,
     kMin + 5, kMax, kMax},
    {"everything at int max", kMax, kMax, kMax, kMax, kMax, kMax, kMax, kMax},
    {"source at int min, huge size", 0, 0, kMax, kMax, kMin, kMin, kMax, kMax},
    {"destination at int min, source at int max", kMin, kMin, kMax, kMax, kMax, kMax, kMax, kMax},
};

TEST(CopyRect, MatchesPerPixelModelForRectanglesAnywhere) {
  for (const Copy& c : kCopies)
    check_between_canvases(c, false);
}

TEST(StretchRect, OfEqualSizesMatchesTheSameSizeCopy) {
  for (const Copy& c : kCopies)
    check_between_canvases(c, true);
}

TEST(StretchRect, MatchesPerPixelModelForRectanglesAnywhere) {
  const Copy stretches[] = {
      {"double", 1, 1, 8, 4, 0, 0, 4, 2},
      {"halve", 0, 0, 4, 5, 0, 0, 9, 11},
      {"uneven ratio", 0, 0, 13, 7, 1, 2, 5, 3},
      {"past every edge of both", -5, -5, 30, 20, -2, -3, 15, 17},
      {"one pixel from the whole source", 3, 3, 1, 1, 0, 0, 9, 11},
      {"huge destination reaching in", kMin + 10, kMin + 5, kMax, kMax, 0, 0, 9, 11},
      {"huge source", 0, 0, 13, 7, -(kMax / 2), -(kMax / 2), kMax, kMax},
      {"every number at an extreme", kMin, kMax, kMax, kMax, kMin, kMin, kMax, 1},
      {"negative source width", 0, 0, 5, 5, 4, 0, -5, 5},
      {"zero destination height", 0, 0, 5, 0, 0, 0, 5, 5},
  };
  for (const Copy& c : stretches)
    check_between_canvases(c, true);
}

TEST(StretchRect, ScalesAKnownPictureByNearestNeighbour) {
  const platform::Colour a = make_colour(200, 0, 0), b = make_colour(0, 200, 0),
                         c = make_colour(0, 0, 200), d = make_colour(9, 99, 199);
  Canvas source(2, 2);
  platform::fill_rect(source.context(), 0, 0, 1, 1, a);
  platform::fill_rect(source.context(), 1, 0, 2, 1, b);
  platform::fill_rect(source.context(), 0, 1, 1, 2, c);
  platform::fill_rect(source.context(), 1, 1, 2, 2, d);

  Canvas enlarged(4, 4);
  ASSERT_TRUE(platform::stretch_rect(enlarged.context(), 0, 0, 4, 4, source.context(), 0, 0, 2, 2));
  const platform::Colour want[4][4] = {{a, a, b, b}, {a, a, b, b}, {c, c, d, d}, {c, c, d, d}};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(enlarged.pixel(x, y), want[y][x]) << x << "," << y;
  }

  // Shrinking takes every other column and row, starting with the first.
  Canvas reduced(1, 2);
  ASSERT_TRUE(
      platform::stretch_rect(reduced.context(), 0, 0, 1, 2, enlarged.context(), 0, 0, 4, 4));
  EXPECT_EQ(reduced.pixel(0, 0), a);
  EXPECT_EQ(reduced.pixel(0, 1), c);
}

// Within one bitmap, overlapping rectangles copy as if through a temporary,
// whichever way the destination lies from the source.
TEST(CopyRect, OverlappingWithinOneBitmapCopiesThroughATemporary) {
  const int shifts[] = {-3, -1, 0, 1, 3};
  for (int dy : shifts) {
    for (int dx : shifts) {
      SCOPED_TRACE(testing::Message() << "shift " << dx << ", " << dy);
      Canvas canvas(12, 10);
      canvas.fill_with_pattern(3);
      const Copy c{"", 3 + dx, 3 + dy, 6, 5, 3, 3, 6, 5};
      const Picture before = Picture::of(canvas);
      ASSERT_TRUE(platform::copy_rect(canvas.context(), c.x, c.y, c.width, c.height,
                                      canvas.context(), c.source_x, c.source_y));
      EXPECT_TRUE(same_pixels(Picture::of(canvas), reference(before, before, c)));
    }
  }
}

TEST(StretchRect, WithinOneBitmapReadsTheSourceAsItWas) {
  const Copy stretches[] = {
      {"grow over the source", 1, 1, 10, 8, 2, 2, 5, 4},
      {"shrink over the source", 2, 2, 3, 2, 1, 1, 9, 7},
  };
  for (const Copy& c : stretches) {
    SCOPED_TRACE(c.name);
    Canvas canvas(12, 10);
    canvas.fill_with_pattern(4);
    const Picture before = Picture::of(canvas);
    ASSERT_TRUE(platform::stretch_rect(canvas.context(), c.x, c.y, c.width, c.height,
                                       canvas.context(), c.source_x, c.source_y, c.source_width,
                                       c.source_height));
    EXPECT_TRUE(same_pixels(Picture::of(canvas), reference(before, before, c)));
  }
}

}  // namespace
}  // namespace drawing_test
