// The draws that are the platform's plain copy: type 0, rectangles of
// different sizes, and anything into or out of the window image. White is
// copied like any colour and nothing is blended.

#include <cstdint>

#include "LibraryFixture.h"
#include "platform/colour.h"
#include "platform/sim.h"

namespace {

constexpr std::uint32_t kWhite = platform::make_colour(255, 255, 255);
constexpr std::uint32_t kInk = platform::make_colour(10, 20, 30);
constexpr std::uint32_t kPaper = platform::make_colour(200, 150, 100);

class PlainCopyTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(BindWindow(window));
    ASSERT_TRUE(source.Set(2, 2));
    ASSERT_TRUE(target.Set(8, 8));
    // A checker of white and ink: the white pixels show whether keying happened.
    source.Clear(255, 255, 255);
    PutPixel(source, 1, 0, kInk);
    PutPixel(source, 0, 1, kInk);
    target.Clear(200, 150, 100);
  }

  QelImage window, source, target;
};

// Types 1 and 2 have no per-pixel meaning between rectangles of different sizes.
TEST_F(PlainCopyTest, RectanglesOfDifferentSizesGiveTheScaledCopy) {
  for (const int type : {0, 1, 2}) {
    target.Clear(200, 150, 100);
    const _QelPS from = {0, 0, 2, 2};
    const _QelPS to = {1, 2, 4, 4};
    EXPECT_NE(source.Draw(static_cast<QelDrawType>(type), from, &target, to, 0.5f, 0), 0);
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 8; ++x) {
        const bool inside = x >= 2 && x < 6 && y >= 1 && y < 5;
        const std::uint32_t expected = !inside ? kPaper : PixelAt(source, (x - 2) / 2, (y - 1) / 2);
        EXPECT_EQ(PixelAt(target, x, y), expected) << "type " << type << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(PlainCopyTest, SameSizeTypeZeroCopiesWhiteToo) {
  const _QelPS rect = {0, 0, 2, 2};
  EXPECT_NE(source.Draw(QelDrawCopy, rect, &target, rect, 1.0f, 0), 0);
  EXPECT_EQ(PixelAt(target, 0, 0), kWhite);
  EXPECT_EQ(PixelAt(target, 1, 0), kInk);
  EXPECT_EQ(PixelAt(target, 2, 0), kPaper);
}

// Whatever the type, even one that otherwise draws nothing.
TEST_F(PlainCopyTest, IntoTheWindowIsThePlainCopy) {
  for (const int type : {0, 1, 2, 3}) {
    window.Clear(200, 150, 100);
    const _QelPS rect = {0, 0, 2, 2};
    const _QelPS at = {3, 4, 2, 2};
    EXPECT_NE(source.Draw(static_cast<QelDrawType>(type), rect, &window, at, 0.5f, 0), 0);
    EXPECT_EQ(platform::sim::screen_pixel(4, 3), kWhite) << "type " << type;
    EXPECT_EQ(platform::sim::screen_pixel(5, 3), kInk) << "type " << type;
    EXPECT_EQ(platform::sim::screen_pixel(4, 4), kInk) << "type " << type;
    EXPECT_EQ(platform::sim::screen_pixel(5, 4), kWhite) << "type " << type;
    EXPECT_EQ(platform::sim::screen_pixel(6, 3), kPaper) << "type " << type;
  }
}

TEST_F(PlainCopyTest, OutOfTheWindowIsThePlainCopy) {
  for (const int type : {0, 1, 2, 3}) {
    window.Clear(255, 255, 255);
    target.Clear(200, 150, 100);
    const _QelPS rect = {0, 0, 3, 3};
    EXPECT_NE(window.Draw(static_cast<QelDrawType>(type), rect, &target, rect, 0.5f, 0), 0);
    EXPECT_EQ(PixelAt(target, 0, 0), kWhite) << "type " << type;
    EXPECT_EQ(PixelAt(target, 2, 2), kWhite) << "type " << type;
    EXPECT_EQ(PixelAt(target, 3, 3), kPaper) << "type " << type;
  }
}

}  // namespace
