// Drawing into and out of a window's client area on the simulated desktop.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "drawing_fixtures.h"
#include "platform/draw.h"
#include "platform/sim.h"

namespace drawing_test {
namespace {

namespace sim = platform::sim;
using platform::make_colour;

Picture screen_picture() {
  return {kWindowWidth, kWindowHeight, sim::screen_pixels()};
}

class WindowDrawing : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(screen(), nullptr);
    platform::fill_rect(screen(), 0, 0, kWindowWidth, kWindowHeight, platform::kBlack);
  }
  static platform::DrawContext* screen() { return screen_context(); }
};

TEST_F(WindowDrawing, TheWindowHasOneContextOfItsClientSize) {
  EXPECT_EQ(platform::window_context(test_window()), screen());
  EXPECT_EQ(platform::window_context(nullptr), nullptr);
  EXPECT_EQ(platform::context_size(screen()).width, kWindowWidth);
  EXPECT_EQ(platform::context_size(screen()).height, kWindowHeight);
}

TEST_F(WindowDrawing, CopiesReachTheScreenAndArePresentedOnlyWhenPixelsChange) {
  Canvas view(kWindowWidth, kWindowHeight);
  view.fill_with_pattern(6);

  std::uint64_t presents = sim::present_count();
  ASSERT_TRUE(
      platform::copy_rect(screen(), 0, 0, kWindowWidth, kWindowHeight, view.context(), 0, 0));
  EXPECT_TRUE(same_pixels(screen_picture(), Picture::of(view)));
  EXPECT_EQ(sim::present_count(), presents + 1);

  // Clipped to nothing: no pixel changes, and there is nothing to present.
  presents = sim::present_count();
  EXPECT_TRUE(platform::fill_rect(screen(), kWindowWidth, 0, kWindowWidth + 9, 5, 0x123456));
  EXPECT_TRUE(platform::copy_rect(screen(), -50, 0, 10, 10, view.context(), 0, 0));
  EXPECT_EQ(sim::present_count(), presents);

  // Reading the screen back changes nothing on it either.
  Canvas copy(kWindowWidth, kWindowHeight);
  EXPECT_TRUE(
      platform::copy_rect(copy.context(), 0, 0, kWindowWidth, kWindowHeight, screen(), 0, 0));
  EXPECT_TRUE(same_pixels(Picture::of(copy), Picture::of(view)));
  EXPECT_EQ(sim::present_count(), presents);
}

TEST_F(WindowDrawing, ScaledCopiesFillsAndLinesReachTheScreen) {
  Canvas tile(2, 1);
  platform::fill_rect(tile.context(), 0, 0, 1, 1, make_colour(9, 8, 7));
  platform::fill_rect(tile.context(), 1, 0, 2, 1, make_colour(1, 2, 3));
  ASSERT_TRUE(platform::stretch_rect(screen(), 0, 0, kWindowWidth, kWindowHeight, tile.context(), 0,
                                     0, 2, 1));
  EXPECT_EQ(sim::screen_pixel(kWindowWidth / 2 - 1, kWindowHeight - 1), make_colour(9, 8, 7));
  EXPECT_EQ(sim::screen_pixel(kWindowWidth / 2, 0), make_colour(1, 2, 3));

  ASSERT_TRUE(platform::fill_rect(screen(), 3, 4, 5, 6, platform::kWhite));
  EXPECT_EQ(sim::screen_pixel(4, 5), platform::kWhite);
  ASSERT_TRUE(platform::draw_line(screen(), 0, 10, kWindowWidth, 10, make_colour(0, 255, 0)));
  EXPECT_EQ(sim::screen_pixel(kWindowWidth - 1, 10), make_colour(0, 255, 0));
}

// Source and destination the same window: the screen is locked once (twice
// would never return) and the overlap copies as through a temporary.
TEST_F(WindowDrawing, CopyWithinTheWindowLocksOnceAndHandlesOverlap) {
  Canvas pattern(kWindowWidth, kWindowHeight);
  pattern.fill_with_pattern(7);
  platform::copy_rect(screen(), 0, 0, kWindowWidth, kWindowHeight, pattern.context(), 0, 0);
  const Picture before = screen_picture();
  Picture expected = before;
  for (int y = 3; y < kWindowHeight; ++y) {
    for (int x = 2; x < kWindowWidth; ++x)
      std::copy_n(before.at(x - 2, y - 3), 3, expected.at(x, y));
  }
  ASSERT_TRUE(platform::copy_rect(screen(), 2, 3, kWindowWidth, kWindowHeight, screen(), 0, 0));
  EXPECT_TRUE(same_pixels(screen_picture(), expected));
  ASSERT_TRUE(platform::stretch_rect(screen(), 0, 0, 4, 4, screen(), 0, 0, 2, 2));
}

// Another thread reads the screen under its lock (as presenting does); it
// must never see a drawing call half done. The calls are scaled copies of one
// pixel over the whole screen, slow enough to be caught in the middle.
TEST_F(WindowDrawing, TheScreenIsLockedForTheWholeOfADrawingCall) {
  Canvas dark(1, 1), light(1, 1);
  platform::fill_rect(dark.context(), 0, 0, 1, 1, make_colour(0x40, 0x40, 0x40));
  platform::fill_rect(light.context(), 0, 0, 1, 1, make_colour(0xC0, 0xC0, 0xC0));
  std::atomic<bool> done{false};
  std::atomic<int> torn{0};
  std::thread reader([&] {
    while (!done) {
      const std::vector<std::uint8_t> pixels = sim::screen_pixels();
      if (std::adjacent_find(pixels.begin(), pixels.end(), std::not_equal_to<>()) != pixels.end()) {
        ++torn;
      }
    }
  });
  for (int i = 0; i < 4000; ++i) {
    platform::stretch_rect(screen(), 0, 0, kWindowWidth, kWindowHeight,
                           (i % 2 == 0 ? dark : light).context(), 0, 0, 1, 1);
  }
  done = true;
  reader.join();
  EXPECT_EQ(torn, 0);
}

}  // namespace
}  // namespace drawing_test
