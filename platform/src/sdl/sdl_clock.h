#pragma once

// The real desktop's clock: the system's monotonic clock, which no change of
// the wall-clock time moves.

#include <cstdint>

namespace platform::detail {

// Nanoseconds of the monotonic clock (the clock std::chrono::steady_clock reads).
std::uint64_t monotonic_ns();

// Milliseconds of the monotonic clock on a wrapping 32-bit counter.
std::uint32_t monotonic_ms();

// Sleeps until at least `milliseconds` have passed on the monotonic clock,
// however often the sleep is interrupted.
void sleep_precisely(std::uint32_t milliseconds);

}  // namespace platform::detail
