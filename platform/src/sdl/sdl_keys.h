#pragma once

// Keyboard and focus events into the key snapshot.

union SDL_Event;

namespace platform::detail {

class KeySnapshot;

// True when the event was a key or focus event (and is now applied).
bool apply_key_event(const SDL_Event& event, KeySnapshot& keys);

}  // namespace platform::detail
