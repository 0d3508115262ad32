// The per-pixel modes on single pixels whose results are known by hand, and
// the clipping at each edge of both images.

#include <gtest/gtest.h>

#include <vector>

#include "QelLib.h"
#include "test_image.h"

namespace {

using qeltest::Bgr;
using qeltest::TestImage;

struct PixelCase {
  const char* name;
  QelDrawType type;
  float factor;
  Bgr src;
  Bgr dst;
  Bgr expected;
};

const PixelCase kPixelCases[] = {
    {"white is transparent", QelDrawTrans, 1.0f, {255, 255, 255}, {10, 20, 30}, {10, 20, 30}},
    {"red 254 is not white", QelDrawTrans, 1.0f, {255, 255, 254}, {10, 20, 30}, {255, 255, 254}},
    {"blue 254 is not white", QelDrawTrans, 1.0f, {254, 255, 255}, {10, 20, 30}, {254, 255, 255}},
    {"black is copied", QelDrawTrans, 1.0f, {0, 0, 0}, {10, 20, 30}, {0, 0, 0}},
    {"the factor does not matter to the key", QelDrawTrans, 0.0f, {1, 2, 3}, {9, 9, 9}, {1, 2, 3}},
    {"blend: white is transparent", QelDrawBlend, 0.5f, {255, 255, 255}, {1, 2, 3}, {1, 2, 3}},
    {"blend 0.5", QelDrawBlend, 0.5f, {255, 200, 1}, {255, 100, 1}, {254, 150, 0}},
    {"blend 1.0 is the copy", QelDrawBlend, 1.0f, {12, 34, 56}, {200, 0, 255}, {12, 34, 56}},
    {"blend 0 keeps the destination",
     QelDrawBlend,
     0.0f,
     {12, 34, 56},
     {200, 0, 255},
     {200, 0, 255}},
    // 0.999 * 512 = 511.49: weight 511, so full source does not reach 255.
    {"blend 0.999 truncates to 511", QelDrawBlend, 0.999f, {255, 255, 0}, {0, 0, 0}, {254, 254, 0}},
    // 0.01 * 512 = 5.12: weight 5.
    {"blend 0.01 truncates to 5", QelDrawBlend, 0.01f, {255, 0, 100}, {0, 255, 200}, {2, 252, 198}},
    // Weight 768, complement -256: 382 and -50 keep their low 8 bits.
    {"blend 1.5 wraps", QelDrawBlend, 1.5f, {255, 200, 0}, {0, 100, 255}, {126, 250, 128}},
    // Weight -256: the shift rounds toward minus infinity.
    {"blend -0.5", QelDrawBlend, -0.5f, {200, 1, 0}, {100, 0, 0}, {50, 255, 0}},
};

TEST(DrawPixel, KnownResults) {
  for (const PixelCase& c : kPixelCases) {
    TestImage src(1, 1);
    TestImage dst(1, 1);
    src.Put(0, 0, c.src);
    dst.Put(0, 0, c.dst);
    const _QelPS rect = {0, 0, 1, 1};
    EXPECT_NE(src.image.Draw(c.type, rect, &dst.image, rect, c.factor, 0), 0) << c.name;
    EXPECT_EQ(dst.At(0, 0), c.expected) << c.name;
  }
}

TEST(DrawPixel, OtherTypesDrawNothingAndSucceed) {
  for (const int type : {3, -1, 1000}) {
    TestImage src(4, 4);
    TestImage dst(4, 4);
    src.Fill({1, 2, 3});
    dst.Fill({7, 8, 9});
    const std::vector<std::uint8_t> before = dst.bytes();
    const _QelPS rect = {0, 0, 4, 4};
    EXPECT_NE(src.image.Draw(static_cast<QelDrawType>(type), rect, &dst.image, rect, 1.0f, 0), 0);
    EXPECT_EQ(dst.bytes(), before) << "type " << type;
  }
}

TEST(DrawPixel, NoDestinationIsAFailure) {
  TestImage src(2, 2);
  const _QelPS rect = {0, 0, 2, 2};
  EXPECT_EQ(src.image.Draw(QelDrawTrans, rect, nullptr, rect, 1.0f, 0), 0);
}

struct Landing {
  int dstX, dstY, srcX, srcY;
};

struct ClipCase {
  const char* name;
  _QelPS srcRect;
  _QelPS dstRect;
  std::vector<Landing> drawn;  // every destination pixel that changes
};

// A 3 x 2 source onto a 4 x 3 destination; every source pixel differs.
const ClipCase kClipCases[] = {
    {"past the bottom-right corner: the corner pixel is drawn",
     {0, 0, 2, 2},
     {2, 3, 2, 2},
     {{3, 2, 0, 0}}},
    {"along the bottom row",
     {0, 0, 2, 3},
     {2, 0, 2, 3},
     {{0, 2, 0, 0}, {1, 2, 1, 0}, {2, 2, 2, 0}}},
    {"along the right-most column", {0, 1, 2, 2}, {1, 3, 2, 2}, {{3, 1, 1, 0}, {3, 2, 1, 1}}},
    {"past the top-left corner", {0, 0, 2, 3}, {-1, -2, 2, 3}, {{0, 0, 2, 1}}},
    {"source sticking out on the left and top", {-1, -1, 2, 2}, {0, 0, 2, 2}, {{1, 1, 0, 0}}},
    {"source sticking out on the right and bottom", {1, 2, 2, 2}, {0, 0, 2, 2}, {{0, 0, 2, 1}}},
    {"wholly outside the destination", {0, 0, 2, 3}, {3, 0, 2, 3}, {}},
    {"wholly outside the source", {2, 0, 2, 3}, {0, 0, 2, 3}, {}},
    {"empty", {0, 0, 0, 3}, {0, 0, 0, 3}, {}},
    {"negative size", {0, 0, -2, 3}, {0, 0, -2, 3}, {}},
};

Bgr SourceColour(int x, int y) {
  return {static_cast<std::uint8_t>(10 * x + y), 0, static_cast<std::uint8_t>(100 + y)};
}

TEST(DrawPixel, ClipsToBothImagesKeepingPositions) {
  const Bgr background = {200, 201, 202};
  for (const ClipCase& c : kClipCases) {
    for (const QelDrawType type : {QelDrawTrans, QelDrawBlend}) {
      TestImage src(3, 2);
      TestImage dst(4, 3);
      for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x)
          src.Put(x, y, SourceColour(x, y));
      }
      dst.Fill(background);
      src.image.Draw(type, c.srcRect, &dst.image, c.dstRect, 1.0f, 0);
      TestImage expected(4, 3);
      expected.Fill(background);
      for (const Landing& l : c.drawn)
        expected.Put(l.dstX, l.dstY, SourceColour(l.srcX, l.srcY));
      EXPECT_EQ(dst.bytes(), expected.bytes()) << c.name;
    }
  }
}

}  // namespace
