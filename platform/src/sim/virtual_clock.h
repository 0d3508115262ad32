#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <utility>

namespace platform::detail {

// Simulated time: it moves only when a thread sleeps, and a sleep returns at
// once. Scheduled actions run on the sleeping thread when the clock passes
// their time, so a scripted run does the same things at the same virtual
// times on every machine.
class VirtualClock {
 public:
  explicit VirtualClock(std::uint32_t start_ticks) : raw_at_zero_(start_ticks) {}

  std::uint32_t ticks() const { return raw_at_zero_ + elapsed_.load(); }
  std::uint32_t elapsed() const { return elapsed_.load(); }

  // Moves the raw counter without moving elapsed time.
  void set_ticks(std::uint32_t ticks) { raw_at_zero_ = ticks - elapsed_.load(); }

  void schedule(std::uint32_t at, std::function<void()> action);

  // Advances the clock by `milliseconds`, running every action that falls
  // due on the way, in time order (then in order of scheduling).
  void sleep(std::uint32_t milliseconds);

  void reset(std::uint32_t start_ticks);

 private:
  using Key = std::pair<std::uint32_t, std::uint64_t>;  // time, then order of scheduling

  std::mutex mutex_;
  std::atomic<std::uint32_t> elapsed_{0};
  std::atomic<std::uint32_t> raw_at_zero_;
  std::map<Key, std::function<void()>> actions_;
  std::uint64_t scheduled_ = 0;
};

}  // namespace platform::detail
