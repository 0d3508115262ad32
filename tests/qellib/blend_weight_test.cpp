#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "draw/BlendWeight.h"

namespace {

constexpr std::int32_t kIndefinite = std::numeric_limits<std::int32_t>::min();

struct WeightCase {
  float factor;
  std::int32_t weight;
};

// Truncation toward zero, and the processor's answer for what has no 32-bit value.
const WeightCase kWeightCases[] = {
    {0.0f, 0},
    {1.0f, 512},
    {0.5f, 256},
    {0.999f, 511},
    {0.01f, 5},
    {-0.01f, -5},
    {-0.5f, -256},
    {1.5f, 768},
    {4194303.75f, 2147483520},
    {-4194304.0f, kIndefinite},  // exactly -2^31, a value of its own
    {4194304.0f, kIndefinite},   // 2^31: one past the largest
    {1.0e30f, kIndefinite},
    {-1.0e30f, kIndefinite},
    {std::numeric_limits<float>::infinity(), kIndefinite},
    {-std::numeric_limits<float>::infinity(), kIndefinite},
    {std::numeric_limits<float>::quiet_NaN(), kIndefinite},
    {std::numeric_limits<float>::denorm_min(), 0},
};

TEST(BlendWeight, TruncatesTheFactorTimes512) {
  for (const WeightCase& c : kWeightCases) {
    EXPECT_EQ(qel::draw::BlendWeight(c.factor), c.weight) << "factor " << c.factor;
  }
}

}  // namespace
