#include "platform/clock.h"

#include "common/backend_interface.h"

namespace platform {

std::uint32_t tick_count() {
  return detail::backend().ticks();
}

void sleep_ms(std::uint32_t milliseconds) {
  detail::backend().sleep(milliseconds);
}

}  // namespace platform
