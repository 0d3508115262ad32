#include "sdl/sdl_keys.h"

#include <SDL.h>

#include <optional>

#include "sdl/sdl_input.h"

namespace platform::detail {
namespace {

// By position on the keyboard, so the layout in use does not matter.
std::optional<Key> key_at(SDL_Scancode scancode) {
  switch (scancode) {
    case SDL_SCANCODE_LEFT:
      return Key::left;
    case SDL_SCANCODE_RIGHT:
      return Key::right;
    case SDL_SCANCODE_UP:
      return Key::up;
    case SDL_SCANCODE_DOWN:
      return Key::down;
    case SDL_SCANCODE_SPACE:
      return Key::space;
    case SDL_SCANCODE_ESCAPE:
      return Key::escape;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool apply_key_event(const SDL_Event& event, KeySnapshot& keys) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      if (const auto key = key_at(event.key.keysym.scancode)) {
        keys.set_key(*key, event.type == SDL_KEYDOWN);
      }
      return true;
    case SDL_WINDOWEVENT:
      // Every window of the process is a game window: focus on any of them
      // is the game's.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        keys.set_focus(true);
        return true;
      }
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        keys.set_focus(false);
        return true;
      }
      return false;
    default:
      return false;
  }
}

}  // namespace platform::detail
