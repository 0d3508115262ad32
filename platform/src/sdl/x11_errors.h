#pragma once

namespace platform::detail {

// How a program of ours meets X's errors, once SDL's X11 video is up:
//
// - SDL wakes its waiting thread with a message to one of our windows; one
//   sent just as that window is destroyed finds no window, and X's default
//   handling of that error ends the process. It is ignored: nothing was lost.
// - When the X server goes away under a running program, X's library calls
//   exit(); the shutdown that exit runs would talk to the dead connection and
//   spin in X's library for ever. The process ends at once instead, with a
//   line on stderr and status 1.
void handle_x11_errors();

}  // namespace platform::detail
