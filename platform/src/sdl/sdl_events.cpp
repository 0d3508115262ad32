#include "sdl/sdl_events.h"

#include <SDL.h>

#include "common/message_queue.h"
#include "sdl/sdl_keys.h"
#include "sdl/sdl_pad.h"
#include "sdl/sdl_runtime.h"
#include "sdl/sdl_windows.h"

namespace platform::detail {
namespace {

// SDL's wait sleeps in the display connection and is cut short by any event,
// our own wakes included; the timeout only bounds how long a wake that could
// not be queued (a full queue) goes unnoticed.
constexpr int kWaitTimeoutMs = 50;

}  // namespace

void SdlEventPump::wait(MessageQueue& queue) {
  pump_thread_.store(std::this_thread::get_id());
  if (!start_sdl_events()) {
    queue.wait_until_not_empty();
    return;
  }
  while (queue.empty()) {
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, kWaitTimeoutMs) == 0) continue;
    const bool woken = handle(event);
    if (drain() || woken) return;
  }
}

void SdlEventPump::wake() {
  // Besides, SDL delivers a wake through one of the windows, and the window
  // thread's own wakes come most often just after it destroyed one (the
  // quit request after a close).
  if (std::this_thread::get_id() == pump_thread_.load()) return;
  const std::uint32_t type = wake_event_type();
  if (type == 0 || wake_pending_.exchange(true)) return;
  SDL_Event event{};
  event.type = type;
  if (SDL_PushEvent(&event) != 1) wake_pending_.store(false);
}

bool SdlEventPump::drain() {
  bool woken = false;
  SDL_Event event;
  while (SDL_PollEvent(&event) != 0) {
    woken = handle(event) || woken;
  }
  return woken;
}

bool SdlEventPump::handle(const SDL_Event& event) {
  if (event.type == wake_event_type()) {
    // Cleared before the caller looks at the queue again, so a message
    // queued after that look brings a new wake.
    wake_pending_.store(false);
    return true;
  }
  if (event.type == present_event_type()) {
    windows_.present(event.user.windowID);
    return false;
  }
  if (event.type == SDL_QUIT) {
    // SIGINT or SIGTERM: the program closes as if its windows were closed.
    for (Window* window : windows_.open_windows()) {
      post_close(window);
    }
    return false;
  }
  if (event.type == SDL_WINDOWEVENT) handle_window_event(event);
  if (!apply_key_event(event, keys_)) pad_.apply(event);
  return false;
}

void SdlEventPump::handle_window_event(const SDL_Event& event) {
  switch (event.window.event) {
    case SDL_WINDOWEVENT_CLOSE:
      post_close(windows_.find(event.window.windowID));
      break;
    case SDL_WINDOWEVENT_EXPOSED:
      windows_.present(event.window.windowID);
      break;
    default:
      break;
  }
}

void SdlEventPump::post_close(Window* window) {
  if (window == nullptr) return;
  message_queue().post(QueuedMessage{window, Message::close, 0, 0});
}

}  // namespace platform::detail
