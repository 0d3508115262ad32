#include "sdl/sdl_runtime.h"

#include <SDL.h>

#include <atomic>
#include <mutex>
#include <string_view>

#include "sdl/sdl_display.h"
#include "sdl/sdl_mixer_device.h"
#include "sdl/x11_errors.h"

namespace platform::detail {
namespace {

std::mutex& start_lock() {
  static std::mutex lock;
  return lock;
}

struct Started {
  bool events = false;
  bool video = false;
  bool audio_tried = false;
  bool audio = false;
};

// Read by any thread that pushes an event; 0 until events have started.
std::atomic<std::uint32_t>& first_event_type() {
  static std::atomic<std::uint32_t> type{0};
  return type;
}

Started& started() {
  static Started state;
  return state;
}

// SDL turns SIGINT and SIGTERM into a quit event, which the event pump makes
// a close request to the windows. That serves a program with a window; a
// program that only plays sounds or reads the pad pumps no such request, so
// there the signals keep their usual effect. Whoever starts events first decides.
bool start_events_locked(bool serve_signals) {
  Started& state = started();
  if (state.events) return true;
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, serve_signals ? "0" : "1");
  // The window manager's close request comes to us as a window event of its
  // own; SDL's extra quit event for the last window would close it twice.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_GAMECONTROLLER) != 0) return false;
  const Uint32 first = SDL_RegisterEvents(2);
  if (first == static_cast<Uint32>(-1)) return false;
  state.events = true;
  first_event_type().store(first);
  return true;
}

}  // namespace

bool start_sdl_events() {
  std::lock_guard lock(start_lock());
  return start_events_locked(false);
}

bool start_sdl_video(std::string& error) {
  std::lock_guard lock(start_lock());
  Started& state = started();
  if (state.video) return true;
  if (!start_events_locked(true)) {
    error = SDL_GetError();
    return false;
  }
  if (!start_display(error)) return false;
  if (std::string_view(SDL_GetCurrentVideoDriver()) == "x11") handle_x11_errors();
  // Nothing here reads text; keep the input method out of the key path.
  SDL_StopTextInput();
  state.video = true;
  return true;
}

bool start_sdl_audio() {
  std::lock_guard lock(start_lock());
  Started& state = started();
  if (!state.audio_tried) {
    state.audio_tried = true;
    // The sound subsystem brings SDL's events up with it.
    state.audio = start_events_locked(false) && open_mixer_device();
  }
  return state.audio;
}

std::uint32_t present_event_type() {
  return first_event_type().load();
}

std::uint32_t wake_event_type() {
  const std::uint32_t first = first_event_type().load();
  return first == 0 ? 0 : first + 1;
}

void stop_sdl() {
  std::lock_guard lock(start_lock());
  Started& state = started();
  // The mixer's thread must not outlive the objects its callback reaches.
  if (state.audio) close_mixer_device();
  state.audio = false;
  // The backend ends with the process. Over X the end of the process closes
  // the connection and everything on it; SDL's own teardown there first puts
  // back X's default error handling, which ends the process with status 1 for
  // a late error that SDL caused itself (see x11_errors.h). Displays without
  // a server to clean up after us (a console's video mode) are put back.
  if (state.video && std::string_view(SDL_GetCurrentVideoDriver()) == "x11") return;
  SDL_Quit();
  state = Started{};
  first_event_type().store(0);
}

}  // namespace platform::detail
