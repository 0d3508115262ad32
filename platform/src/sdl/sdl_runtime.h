#pragma once

// Bringing SDL up, one subsystem at a time, from whichever thread first needs
// it. SDL's initialisation is not safe to run on two threads at once, so every
// step goes through one lock here.

#include <cstdint>
#include <string>

namespace platform::detail {

// Events and game controllers: what input and the event pump need; no display
// is required. False when SDL cannot start at all.
bool start_sdl_events();

// The display. False with SDL's reason in `error` (no display, say); a later
// call tries again.
bool start_sdl_video(std::string& error);

// The sound output, tried once per process: the first answer stands, so a
// machine without audio answers every later call at once.
bool start_sdl_audio();

// The event types of our own that the backend pushes into SDL's queue; 0
// before events have started (nothing waits on the queue then).
std::uint32_t present_event_type();
std::uint32_t wake_event_type();

// Shuts down whatever was started; the end of the backend.
void stop_sdl();

}  // namespace platform::detail
