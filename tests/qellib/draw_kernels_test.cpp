// Every kernel set this processor runs, against the pixel loop, on rows of
// every length around the vector widths, so that the sets the running
// machine does not pick are checked as well.

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>

#include "draw/RowKernels.h"
#include "pixel_loop_reference.h"
#include "test_image.h"

namespace qel::draw {
void PrintTo(const RowKernels* kernels, std::ostream* out) { *out << kernels->name; }
}  // namespace qel::draw

namespace {

using qel::draw::PixelJob;
using qel::draw::RowKernels;
using qeltest::TestImage;

class DrawKernels : public ::testing::TestWithParam<const RowKernels*> {
 protected:
  void SetUp() override {
    if (!GetParam()->supported()) GTEST_SKIP() << GetParam()->name << " not on this processor";
  }

  // A job over whole rows of two images of `width` x 3 pixels, rows bottom-up.
  static PixelJob WholeImages(TestImage& src, TestImage& dst) {
    const std::ptrdiff_t step = -std::ptrdiff_t{src.width()} * 3;
    const std::ptrdiff_t top = std::ptrdiff_t{src.width()} * 3 * (src.height() - 1);
    return {dst.image.bits + top, src.image.bits + top, step, step, src.height(), src.width()};
  }

  std::mt19937 rng{2024};
};

TEST_P(DrawKernels, KeyedCopyMatchesPixelLoop) {
  for (int width = 0; width <= 200; ++width) {
    TestImage src(width == 0 ? 1 : width, 3);
    TestImage fast(src.width(), 3);
    TestImage expected(src.width(), 3);
    src.FillRandom(rng);
    fast.FillRandom(rng);
    expected.bytes() = fast.bytes();
    PixelJob job = WholeImages(src, fast);
    job.columns = width;
    GetParam()->keyedCopy(job);
    qeltest::ReferenceDraw(1, src.store(), 0, 0, 3, width, expected.store(), 0, 0, 1.0f);
    ASSERT_EQ(fast.bytes(), expected.bytes()) << "width " << width;
    ASSERT_TRUE(fast.GuardIntact());
  }
}

TEST_P(DrawKernels, BlendMatchesPixelLoopForEveryWeight) {
  for (std::int32_t weight = 1; weight <= 511; ++weight) {
    const int width = weight % 203;
    TestImage src(width == 0 ? 1 : width, 2);
    TestImage fast(src.width(), 2);
    TestImage expected(src.width(), 2);
    src.FillRandom(rng);
    fast.FillRandom(rng);
    expected.bytes() = fast.bytes();
    PixelJob job = WholeImages(src, fast);
    job.columns = width;
    GetParam()->blend(job, weight);
    const float factor = static_cast<float>(weight) / 512.0f;
    qeltest::ReferenceDraw(2, src.store(), 0, 0, 2, width, expected.store(), 0, 0, factor);
    ASSERT_EQ(fast.bytes(), expected.bytes()) << "weight " << weight << " width " << width;
    ASSERT_TRUE(fast.GuardIntact());
  }
}

INSTANTIATE_TEST_SUITE_P(EachInstructionSet, DrawKernels,
                         ::testing::ValuesIn(qel::draw::AllKernels().begin(),
                                             qel::draw::AllKernels().end()),
                         [](const auto& info) { return std::string(info.param->name); });

}  // namespace
