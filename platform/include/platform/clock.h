#pragma once

#include <cstdint>

namespace platform {

// Milliseconds on a 32-bit counter that wraps; only differences taken in
// unsigned arithmetic mean anything.
std::uint32_t tick_count();

// Pauses the calling thread for about `milliseconds` (never less).
void sleep_ms(std::uint32_t milliseconds);

}  // namespace platform
