#include "sim/virtual_clock.h"

#include <algorithm>
#include <limits>

namespace platform::detail {

void VirtualClock::schedule(std::uint32_t at, std::function<void()> action) {
  std::lock_guard lock(mutex_);
  actions_.emplace(Key{at, scheduled_++}, std::move(action));
}

void VirtualClock::sleep(std::uint32_t milliseconds) {
  const std::uint64_t target64 = std::uint64_t{elapsed_.load()} + milliseconds;
  const std::uint32_t target = static_cast<std::uint32_t>(
      std::min<std::uint64_t>(target64, std::numeric_limits<std::uint32_t>::max()));
  for (;;) {
    std::function<void()> action;
    {
      std::lock_guard lock(mutex_);
      auto next = actions_.begin();
      if (next == actions_.end() || next->first.first > target) {
        elapsed_ = std::max(elapsed_.load(), target);
        return;
      }
      elapsed_ = std::max(elapsed_.load(), next->first.first);
      action = std::move(next->second);
      actions_.erase(next);
    }
    action();  // may schedule more, or sleep itself
  }
}

void VirtualClock::reset(std::uint32_t start_ticks) {
  std::lock_guard lock(mutex_);
  actions_.clear();
  scheduled_ = 0;
  elapsed_ = 0;
  raw_at_zero_ = start_ticks;
}

}  // namespace platform::detail
