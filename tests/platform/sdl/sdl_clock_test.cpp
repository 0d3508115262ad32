// The real clock: a sleep never ends early, by the tick counter or by the
// monotonic clock (game pacing subtracts ticks and trusts the sleep), and the
// counter counts milliseconds of that clock.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

#include "platform/clock.h"

namespace {

TEST(RealClock, SleepLastsAtLeastItsMillisecondsOnBothClocks) {
  for (std::uint32_t milliseconds : {0u, 1u, 7u, 26u}) {
    SCOPED_TRACE(milliseconds);
    const auto started = std::chrono::steady_clock::now();
    const std::uint32_t ticks = platform::tick_count();
    platform::sleep_ms(milliseconds);
    const std::uint32_t counted = platform::tick_count() - ticks;
    const auto measured = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - started);
    EXPECT_GE(counted, milliseconds);
    EXPECT_GE(measured.count(), milliseconds);
    // Read inside the measured span, so never more than it (and its rounding).
    EXPECT_LE(counted, measured.count() + 1);
  }
}

}  // namespace
