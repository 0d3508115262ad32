#include "sdl/sdl_clock.h"

#include <cerrno>
#include <ctime>

namespace platform::detail {
namespace {

constexpr std::uint64_t kNanosPerSecond = 1'000'000'000;
constexpr std::uint64_t kNanosPerMilli = 1'000'000;

}  // namespace

std::uint64_t monotonic_ns() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * kNanosPerSecond +
         static_cast<std::uint64_t>(now.tv_nsec);
}

std::uint32_t monotonic_ms() {
  return static_cast<std::uint32_t>(monotonic_ns() / kNanosPerMilli);
}

void sleep_precisely(std::uint32_t milliseconds) {
  // An absolute deadline: a signal that interrupts the sleep cannot shorten
  // it, and resuming does not add the time already slept a second time.
  const std::uint64_t deadline = monotonic_ns() + milliseconds * kNanosPerMilli;
  timespec until{};
  until.tv_sec = static_cast<time_t>(deadline / kNanosPerSecond);
  until.tv_nsec = static_cast<long>(deadline % kNanosPerSecond);
  while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
  }
}

}  // namespace platform::detail
