// Sprites: the recipe they store and the one draw each operation makes.

#include <cstdint>

#include "LibraryFixture.h"
#include "platform/colour.h"
#include "platform/sim.h"

namespace {

constexpr std::uint32_t kWhite = platform::make_colour(255, 255, 255);
constexpr std::uint32_t kBlack = platform::make_colour(0, 0, 0);
constexpr std::uint32_t kStage = platform::make_colour(40, 50, 60);
constexpr std::uint32_t kWorld = platform::make_colour(100, 100, 100);
constexpr std::uint32_t kInk = platform::make_colour(200, 0, 100);

bool operator==(const _QelPS& a, const _QelPS& b) {
  return a.y == b.y && a.x == b.x && a.height == b.height && a.width == b.width;
}

// A world to draw into, the stage it is restored from, and a sheet whose
// pixel (0, 0) is ink, (1, 0) black, and the rest white.
class SpriteTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    ASSERT_TRUE(BindWindow(window));
    ASSERT_TRUE(world.Set(16, 8));
    ASSERT_TRUE(stage.Set(16, 8));
    ASSERT_TRUE(sheet.Set(256, 128));
    world.Clear(100, 100, 100);
    stage.Clear(40, 50, 60);
    sheet.Clear(255, 255, 255);
    PutPixel(sheet, 0, 0, kInk);
    PutPixel(sheet, 1, 0, kBlack);
  }

  QelImage window, world, stage, sheet;
};

TEST(Sprite, StartsAsAnEmptyPlainCopy) {
  const QelSprite sprite;
  EXPECT_EQ(sprite.transColor, 0xFFFFFFu);
  for (const _QelPS& r : {sprite.baseRect, sprite.posRect, sprite.srcRect, sprite.rotateRect}) {
    EXPECT_TRUE(r == (_QelPS{0, 0, 0, 0}));
  }
  EXPECT_EQ(sprite.dstImage, nullptr);
  EXPECT_EQ(sprite.eraseImage, nullptr);
  EXPECT_EQ(sprite.srcImage, nullptr);
  EXPECT_EQ(sprite.drawType, QelDrawCopy);
  EXPECT_EQ(sprite.spare, 0);
  EXPECT_EQ(sprite.blend, 1.0f);
  EXPECT_EQ(sprite.extra, 0);
}

TEST_F(SpriteTest, SetWithoutARectangleTakesTheWholeSource) {
  QelSprite sprite;
  sprite.eraseImage = &stage;
  sprite.SetTransColor(1, 2, 3);
  EXPECT_EQ(sprite.Set(QelDrawBlend, &sheet, nullptr, &world, 0.25f, 7), 1);
  const _QelPS whole = {0, 0, 128, 256};
  EXPECT_TRUE(sprite.posRect == whole);
  EXPECT_TRUE(sprite.srcRect == whole);
  EXPECT_TRUE(sprite.rotateRect == whole);
  EXPECT_EQ(sprite.drawType, QelDrawBlend);
  EXPECT_EQ(sprite.srcImage, &sheet);
  EXPECT_EQ(sprite.dstImage, &world);
  EXPECT_EQ(sprite.blend, 0.25f);
  EXPECT_EQ(sprite.extra, 7);
  // Set leaves what it does not name.
  EXPECT_EQ(sprite.eraseImage, &stage);
  EXPECT_EQ(sprite.transColor, 0x030201u);
}

TEST_F(SpriteTest, SetWithARectangleUsesItForBothEnds) {
  QelSprite sprite;
  _QelPS rect = {2, 3, 4, 5};
  EXPECT_EQ(sprite.Set(QelDrawTrans, &sheet, &rect, &world, 1.0f, 0), 1);
  EXPECT_TRUE(sprite.posRect == rect);
  EXPECT_TRUE(sprite.srcRect == rect);
  EXPECT_TRUE(sprite.rotateRect == rect);
}

TEST_F(SpriteTest, ARectangleArgumentDrawsThereOnce) {
  QelSprite sprite;
  _QelPS first = {0, 0, 1, 2};
  sprite.Set(QelDrawTrans, &sheet, &first, &world, 1.0f, 0);
  sprite.posRect = {3, 4, 1, 2};
  _QelPS elsewhere = {6, 10, 1, 2};
  EXPECT_NE(sprite.Draw(nullptr, &elsewhere), 0);
  EXPECT_TRUE(LibraryState.spriteRect == elsewhere);
  EXPECT_TRUE(sprite.posRect == (_QelPS{3, 4, 1, 2}));
  EXPECT_EQ(PixelAt(world, 10, 6), kInk);
  EXPECT_EQ(PixelAt(world, 11, 6), kBlack);
  EXPECT_EQ(PixelAt(world, 4, 3), kWorld);

  EXPECT_NE(sprite.Draw(), 0);
  EXPECT_TRUE(LibraryState.spriteRect == sprite.posRect);
  EXPECT_EQ(PixelAt(world, 4, 3), kInk);
  EXPECT_EQ(PixelAt(world, 5, 3), kBlack);
}

TEST_F(SpriteTest, ADestinationArgumentReplacesTheSpritesOwn) {
  QelSprite sprite;
  _QelPS rect = {0, 0, 1, 1};
  sprite.Set(QelDrawTrans, &sheet, &rect, &world, 1.0f, 0);
  sprite.Draw(&stage);
  EXPECT_EQ(PixelAt(stage, 0, 0), kInk);
  EXPECT_EQ(PixelAt(world, 0, 0), kWorld);
}

// The area under the sprite comes back from the erase image by a plain copy,
// whatever mode the sprite draws in; white on the erase image is copied too.
TEST_F(SpriteTest, EraseIsAPlainCopyOfThePositionWhateverTheMode) {
  for (const int type : {0, 1, 2, 3}) {
    world.Clear(100, 100, 100);
    stage.Clear(40, 50, 60);
    PutPixel(stage, 5, 2, kWhite);
    QelSprite sprite;
    _QelPS rect = {1, 4, 3, 2};
    sprite.Set(static_cast<QelDrawType>(type), &sheet, &rect, &world, 0.5f, 0);
    sprite.eraseImage = &stage;
    EXPECT_NE(sprite.Erase(), 0) << type;
    for (int y = 0; y < 8; ++y) {
      for (int x = 0; x < 16; ++x) {
        const bool under = x >= 4 && x < 6 && y >= 1 && y < 4;
        EXPECT_EQ(PixelAt(world, x, y), under ? PixelAt(stage, x, y) : kWorld)
            << "type " << type << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(SpriteTest, EraseArgumentsReplaceTheSpritesImages) {
  QelSprite sprite;
  _QelPS rect = {0, 0, 1, 1};
  sprite.Set(QelDrawTrans, &sheet, &rect, &world, 1.0f, 0);
  sprite.eraseImage = &sheet;
  EXPECT_NE(sprite.Erase(&stage, &window), 0);
  EXPECT_EQ(platform::sim::screen_pixel(0, 0), kStage);
}

TEST_F(SpriteTest, EraseRotateRestoresTheRotateRectangle) {
  QelSprite sprite;
  _QelPS rect = {0, 0, 1, 1};
  sprite.Set(QelDrawTrans, &sheet, &rect, &world, 1.0f, 0);
  sprite.eraseImage = &stage;
  sprite.posRect = {5, 5, 1, 1};
  sprite.rotateRect = {2, 3, 1, 1};
  EXPECT_NE(sprite.EraseRotate(), 0);
  EXPECT_EQ(PixelAt(world, 3, 2), kStage);
  EXPECT_EQ(PixelAt(world, 5, 5), kWorld);
  EXPECT_EQ(PixelAt(world, 0, 0), kWorld);
}

TEST_F(SpriteTest, TheTransparentColourStaysWhite) {
  QelSprite sprite;
  _QelPS rect = {0, 0, 1, 3};
  sprite.Set(QelDrawTrans, &sheet, &rect, &world, 1.0f, 0);
  sprite.SetTransColor(0, 0, 0);
  EXPECT_EQ(sprite.transColor, 0u);
  sprite.Draw();
  EXPECT_EQ(PixelAt(world, 0, 0), kInk);
  EXPECT_EQ(PixelAt(world, 1, 0), kBlack);  // black is drawn
  EXPECT_EQ(PixelAt(world, 2, 0), kWorld);  // white is still skipped
  sprite.SetTransColor(0x1FF, 0x102, -1);
  EXPECT_EQ(sprite.transColor, 0xFF02FFu);
}

TEST_F(SpriteTest, BlendWrittenBetweenDrawsWeighsTheNextDraw) {
  PutPixel(sheet, 0, 0, platform::make_colour(200, 200, 200));
  QelSprite sprite;
  _QelPS rect = {0, 0, 1, 1};
  sprite.Set(QelDrawBlend, &sheet, &rect, &world, 0.5f, 0);
  sprite.Draw();
  EXPECT_EQ(PixelAt(world, 0, 0), platform::make_colour(150, 150, 150));
  sprite.blend = 0.25f;
  sprite.Draw();
  // (128 * 200 >> 9) + (150 * 384 >> 9) = 50 + 112
  EXPECT_EQ(PixelAt(world, 0, 0), platform::make_colour(162, 162, 162));
}

TEST_F(SpriteTest, MissingImagesFailInsteadOfFaulting) {
  QelSprite sprite;
  EXPECT_EQ(sprite.Draw(), 0);
  EXPECT_EQ(sprite.Erase(), 0);
  EXPECT_EQ(sprite.EraseRotate(), 0);
  EXPECT_EQ(sprite.Set(QelDrawTrans, nullptr, nullptr, &world, 1.0f, 0), 1);
  EXPECT_TRUE(sprite.posRect == (_QelPS{0, 0, 0, 0}));
  sprite.srcImage = &sheet;
  sprite.dstImage = nullptr;
  EXPECT_EQ(sprite.Draw(), 0);
}

}  // namespace
