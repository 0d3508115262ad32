// Image set-up, clearing and lines.

#include <algorithm>
#include <vector>

#include "BmpFiles.h"
#include "LibraryFixture.h"
#include "platform/sim.h"

namespace {

using ImageSetupTest = LibraryTest;

std::vector<std::uint8_t> PixelsOf(const QelImage& image) {
  const std::size_t bytes = static_cast<std::size_t>(image.ps.width) * image.ps.height * 3;
  return {image.bits, image.bits + bytes};
}

TEST_F(ImageSetupTest, NothingIsSetUpBeforeAWindowIsBound) {
  QelImage image;
  EXPECT_EQ(image.Set(40, 20), nullptr);
  EXPECT_EQ(image.Get("ANY"), nullptr);
  EXPECT_EQ(image.dc, nullptr);
  EXPECT_EQ(image.ps.width, 0);
}

TEST_F(ImageSetupTest, ASecondBindFailsButTheLibraryTakesTheNewWindow) {
  QelImage window;
  ASSERT_TRUE(BindWindow(window));
  EXPECT_EQ(window.isWindow, 1);
  EXPECT_EQ(window.ps.width, 640);
  EXPECT_EQ(window.ps.height, 460);
  platform::Window* other = MakeWindow(DefaultOnly, 320, 240, "second");
  EXPECT_EQ(window.SetWindow(other), nullptr);
  EXPECT_EQ(LibraryState.window, other);
}

TEST_F(ImageSetupTest, BlankSurfacesTakeTheRectanglesSizeAndStartBlack) {
  QelImage window, image;
  ASSERT_TRUE(BindWindow(window));
  ASSERT_EQ(image.Set(_QelPS{5, 7, 20, 40}), &image);
  EXPECT_EQ(image.ps.y, 0);
  EXPECT_EQ(image.ps.x, 0);
  EXPECT_EQ(image.ps.height, 20);
  EXPECT_EQ(image.ps.width, 40);
  EXPECT_EQ(image.isWindow, 0);
  const std::vector<std::uint8_t> pixels = PixelsOf(image);
  EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](std::uint8_t b) { return b == 0; }));
  EXPECT_EQ(image.Set(8, 8), nullptr);  // an image is set up once
}

TEST_F(ImageSetupTest, ClearUsesTheLowEightBitsOfEachColour) {
  QelImage window, image;
  ASSERT_TRUE(BindWindow(window));
  ASSERT_TRUE(image.Set(16, 8));
  image.Clear(255, 255, 255);
  std::vector<std::uint8_t> pixels = PixelsOf(image);
  EXPECT_TRUE(std::all_of(pixels.begin(), pixels.end(), [](std::uint8_t b) { return b == 255; }));
  image.Clear(0x1FF, 0, 0x100);
  EXPECT_EQ(PixelAt(image, 0, 0), platform::make_colour(255, 0, 0));
  EXPECT_EQ(PixelAt(image, 15, 7), platform::make_colour(255, 0, 0));
}

TEST_F(ImageSetupTest, ClearingTheWindowImageFillsTheClientArea) {
  QelImage window;
  ASSERT_TRUE(BindWindow(window));
  window.Clear(10, 20, 30);
  EXPECT_EQ(platform::sim::screen_pixel(0, 0), platform::make_colour(10, 20, 30));
  EXPECT_EQ(platform::sim::screen_pixel(639, 459), platform::make_colour(10, 20, 30));
}

TEST_F(ImageSetupTest, ADestroyedCopyLeavesTheOriginalUsable) {
  QelImage window, image;
  ASSERT_TRUE(BindWindow(window));
  ASSERT_TRUE(image.Set(8, 8));
  image.Clear(1, 2, 3);
  {
    QelImage copy = image;
    copy.Clear(4, 5, 6);  // the copy shares the surface
  }
  EXPECT_EQ(PixelAt(image, 3, 3), platform::make_colour(4, 5, 6));
  image.Clear(7, 8, 9);
  EXPECT_EQ(PixelAt(image, 3, 3), platform::make_colour(7, 8, 9));
}

TEST_F(ImageSetupTest, LinesIncludeTheStartAndStopBeforeTheEnd) {
  QelImage window, image;
  ASSERT_TRUE(BindWindow(window));
  ASSERT_TRUE(image.Set(8, 4));
  image.Line(1, 2, 5, 2, 0x12, 0x34, 0x56);
  const std::uint32_t ink = platform::make_colour(0x12, 0x34, 0x56);
  EXPECT_EQ(PixelAt(image, 0, 2), 0u);
  for (int x = 1; x < 5; ++x)
    EXPECT_EQ(PixelAt(image, x, 2), ink) << x;
  EXPECT_EQ(PixelAt(image, 5, 2), 0u);
  image.Line(-100, 1, 100, 1, 255, 0, 0);  // clipped, never outside the surface
  EXPECT_EQ(PixelAt(image, 7, 1), platform::make_colour(255, 0, 0));
}

TEST_F(ImageSetupTest, ResourcesOfEveryDepthGiveTheSameColours) {
  const int width = 12, height = 5;
  std::vector<std::uint32_t> picture;
  const std::uint32_t inks[] = {0xFFFFFF, 0x0000FF, 0x00FF00, 0x123456, 0x000000, 0xABCDEF};
  for (int i = 0; i < width * height; ++i)
    picture.push_back(inks[(i * 7 + i / width) % 6]);
  const std::vector<std::uint8_t> files[] = {MakeBmp(width, height, picture, 24),
                                             MakeBmp(width, height, picture, 8),
                                             MakeBmp(width, height, picture, 4)};
  const platform::Resource table[] = {
      {platform::ResourceType::bitmap, "TRUE", 1041, files[0].data(), files[0].size()},
      {platform::ResourceType::bitmap, "EIGHT", 1041, files[1].data(), files[1].size()},
      {platform::ResourceType::bitmap, "FOUR", 1041, files[2].data(), files[2].size()},
  };
  QelImage window, truecolour, eight, four, missing;
  ASSERT_TRUE(BindWindow(window, table));
  ASSERT_TRUE(truecolour.Get("TRUE"));
  ASSERT_TRUE(eight.Get("EIGHT"));
  ASSERT_TRUE(four.Get("FOUR"));
  EXPECT_EQ(missing.Get("NONE"), nullptr);
  EXPECT_EQ(four.ps.width, width);
  EXPECT_EQ(four.ps.height, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = picture[y * width + x];
      const std::uint32_t expected = platform::make_colour(c & 0xFF, (c >> 8) & 0xFF, c >> 16);
      ASSERT_EQ(PixelAt(truecolour, x, y), expected) << x << "," << y;
      ASSERT_EQ(PixelAt(eight, x, y), expected) << x << "," << y;
      ASSERT_EQ(PixelAt(four, x, y), expected) << x << "," << y;
    }
  }
}

TEST_F(ImageSetupTest, GetFromFileIsNotSupported) {
  QelImage window, image;
  ASSERT_TRUE(BindWindow(window));
  EXPECT_EQ(image.GetFromFile("picture.bmp"), nullptr);
  EXPECT_EQ(image.dc, nullptr);
}

}  // namespace
