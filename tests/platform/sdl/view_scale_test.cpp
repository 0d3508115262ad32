// How large the 640 x 460 client area is shown, and where in its window.

#include "sdl/view_scale.h"

#include <gtest/gtest.h>

namespace {

using platform::BitmapSize;
using platform::detail::view_rect;
using platform::detail::ViewRect;
using platform::detail::whole_scale;

constexpr BitmapSize kClient{640, 460};

TEST(ViewScale, LargestWholeScaleThatFitsBothWays) {
  const struct {
    BitmapSize space;
    int scale;
  } cases[] = {
      {{1280, 1024}, 2},                   // height 920 fits, 1380 would not
      {{1920, 1050}, 2},                   // a 1080p desktop less its panel: the height decides
      {{3840, 2100}, 4},                   // 4K: the height decides again (2100 / 460)
      {{2560, 919}, 1},                    // one row short of twice the height
      {{1279, 1400}, 1},                   // one column short of twice the width
      {{640, 460}, 1},   {{600, 400}, 1},  // smaller than the client area: still shown whole
      {{0, 0}, 1},                         // no bounds known
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.space.width << "x" << c.space.height);
    EXPECT_EQ(whole_scale(c.space, kClient), c.scale);
  }
}

TEST(ViewScale, ClientAreaIsCentredAtItsScale) {
  const struct {
    BitmapSize output;
    ViewRect expected;
  } cases[] = {
      {{1280, 920}, {0, 0, 1280, 920}},
      {{1300, 1000}, {10, 40, 1280, 920}},
      {{640, 460}, {0, 0, 640, 460}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.output.width << "x" << c.output.height);
    const ViewRect rect = view_rect(c.output, kClient);
    EXPECT_EQ(rect.x, c.expected.x);
    EXPECT_EQ(rect.y, c.expected.y);
    EXPECT_EQ(rect.width, c.expected.width);
    EXPECT_EQ(rect.height, c.expected.height);
  }
}

}  // namespace
