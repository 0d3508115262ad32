// The fast per-pixel modes against the plain pixel loop, on random images and
// random rectangles, many of them sticking out of either image on any side.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <random>
#include <string>

#include "QelLib.h"
#include "pixel_loop_reference.h"
#include "test_image.h"

namespace {

using qeltest::ReferenceDraw;
using qeltest::TestImage;

struct Factor {
  const char* name;
  float value;
};

void PrintTo(const Factor& factor, std::ostream* out) { *out << factor.name; }

// Weights 0 and 512 (their own paths), ordinary ones, and weights far outside
// 0..512 whose products wrap.
const Factor kFactors[] = {
    {"zero", 0.0f},
    {"tiny", 0.01f},
    {"half", 0.5f},
    {"almost_one", 0.999f},
    {"one", 1.0f},
    {"one_and_half", 1.5f},
    {"minus_half", -0.5f},
    {"million", 1.0e6f},
    {"huge", 1.0e30f},
    {"minus_huge", -1.0e30f},
    {"nan", std::numeric_limits<float>::quiet_NaN()},
};

_QelPS RandomRect(std::mt19937& rng, int imageWidth, int imageHeight) {
  std::uniform_int_distribution<int> x(-imageWidth - 4, imageWidth + 4);
  std::uniform_int_distribution<int> y(-imageHeight - 4, imageHeight + 4);
  std::uniform_int_distribution<int> w(-2, 2 * imageWidth + 8);
  std::uniform_int_distribution<int> h(-2, 2 * imageHeight + 8);
  return {static_cast<std::int16_t>(y(rng)), static_cast<std::int16_t>(x(rng)),
          static_cast<std::int16_t>(h(rng)), static_cast<std::int16_t>(w(rng))};
}

// A destination rectangle of the source rectangle's size.
_QelPS PlaceLike(std::mt19937& rng, const _QelPS& src, int imageWidth, int imageHeight) {
  _QelPS placed = RandomRect(rng, imageWidth, imageHeight);
  placed.height = src.height;
  placed.width = src.width;
  return placed;
}

std::string Describe(const _QelPS& s, const _QelPS& d) {
  return "src {" + std::to_string(s.y) + "," + std::to_string(s.x) + "," +
         std::to_string(s.height) + "," + std::to_string(s.width) + "} dst {" +
         std::to_string(d.y) + "," + std::to_string(d.x) + "}";
}

class DrawMatchesPixelLoop : public ::testing::TestWithParam<std::tuple<QelDrawType, Factor>> {
 protected:
  QelDrawType type() const { return std::get<0>(GetParam()); }
  float factor() const { return std::get<1>(GetParam()).value; }
  std::mt19937 rng{static_cast<unsigned>(1234 + type()) * 7919u};
};

TEST_P(DrawMatchesPixelLoop, BetweenTwoImages) {
  std::uniform_int_distribution<int> side(1, 150);
  for (int round = 0; round < 300; ++round) {
    TestImage src(side(rng), side(rng) % 40 + 1);
    TestImage fast(side(rng), side(rng) % 40 + 1);
    TestImage expected(fast.width(), fast.height());
    src.FillRandom(rng);
    fast.FillRandom(rng);
    expected.bytes() = fast.bytes();
    const _QelPS s = RandomRect(rng, src.width(), src.height());
    const _QelPS d = PlaceLike(rng, s, fast.width(), fast.height());

    EXPECT_NE(src.image.Draw(type(), s, &fast.image, d, factor(), 0), 0);
    ReferenceDraw(type(), src.store(), s.y, s.x, s.height, s.width, expected.store(), d.y, d.x,
                  factor());
    ASSERT_EQ(fast.bytes(), expected.bytes()) << Describe(s, d);
    ASSERT_TRUE(fast.GuardIntact());
  }
}

// One image drawn onto itself: where the rectangles overlap, a pixel may be
// read after an earlier step of the same call wrote it.
TEST_P(DrawMatchesPixelLoop, WithinOneImage) {
  std::uniform_int_distribution<int> side(1, 80);
  std::uniform_int_distribution<int> shift(-6, 6);
  for (int round = 0; round < 300; ++round) {
    TestImage fast(side(rng), side(rng) % 30 + 1);
    TestImage expected(fast.width(), fast.height());
    fast.FillRandom(rng);
    expected.bytes() = fast.bytes();
    const _QelPS s = RandomRect(rng, fast.width(), fast.height());
    // Mostly a small shift of the source rectangle, so that the two overlap.
    _QelPS d = s;
    d.x = static_cast<std::int16_t>(s.x + shift(rng));
    d.y = static_cast<std::int16_t>(s.y + shift(rng));
    if (round % 5 == 0) d = PlaceLike(rng, s, fast.width(), fast.height());

    fast.image.Draw(type(), s, &fast.image, d, factor(), 0);
    ReferenceDraw(type(), expected.store(), s.y, s.x, s.height, s.width, expected.store(), d.y, d.x,
                  factor());
    ASSERT_EQ(fast.bytes(), expected.bytes()) << Describe(s, d);
  }
}

INSTANTIATE_TEST_SUITE_P(KeyedAndBlended, DrawMatchesPixelLoop,
                         ::testing::Combine(::testing::Values(QelDrawTrans, QelDrawBlend),
                                            ::testing::ValuesIn(kFactors)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param) == QelDrawTrans ? "trans_"
                                                                                      : "blend_") +
                                  std::get<1>(info.param).name;
                         });

// Rectangles at the far ends of the 16-bit range: the clipping must not
// overflow, and only the pixels inside both images are drawn.
TEST(DrawClipping, ExtremeRectangles) {
  std::mt19937 rng(99);
  const std::int16_t kMin = std::numeric_limits<std::int16_t>::min();
  const std::int16_t kMax = std::numeric_limits<std::int16_t>::max();
  const std::int16_t ends[] = {kMin, static_cast<std::int16_t>(kMin + 1), -1, 0, 1, kMax - 1, kMax};
  for (const QelDrawType type : {QelDrawTrans, QelDrawBlend}) {
    for (std::int16_t at : ends) {
      for (std::int16_t size : {kMax, static_cast<std::int16_t>(40), kMin}) {
        TestImage src(24, 12);
        TestImage fast(20, 16);
        TestImage expected(20, 16);
        src.FillRandom(rng);
        fast.FillRandom(rng);
        expected.bytes() = fast.bytes();
        const _QelPS s = {at, at, size, size};
        const _QelPS d = {static_cast<std::int16_t>(-at / 2), 0, size, size};
        src.image.Draw(type, s, &fast.image, d, 0.75f, 0);
        ReferenceDraw(type, src.store(), s.y, s.x, s.height, s.width, expected.store(), d.y, d.x,
                      0.75f);
        ASSERT_EQ(fast.bytes(), expected.bytes()) << Describe(s, d);
      }
    }
  }
}

}  // namespace
