#pragma once

#include <string>

namespace platform::detail {

// Starts SDL's video on a real display. Unless SDL_VIDEODRIVER names a driver,
// only drivers that show windows to a user are tried: SDL would otherwise
// fall back to its off-screen driver, and a program without a display would
// run with a window nobody can see. False with the reason in `error`.
// The caller holds SDL's start lock.
bool start_display(std::string& error);

}  // namespace platform::detail
