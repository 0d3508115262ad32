#pragma once

// The window thread's wait: SDL's events are turned into messages for the
// windows (close requests), presents, and the key and pad snapshots.

#include <atomic>
#include <thread>

union SDL_Event;

namespace platform {

class Window;

namespace detail {

class MessageQueue;
class SdlWindows;
class KeySnapshot;
class SdlPad;

class SdlEventPump {
 public:
  SdlEventPump(SdlWindows& windows, KeySnapshot& keys, SdlPad& pad)
      : windows_(windows), keys_(keys), pad_(pad) {}

  // Window thread: handles SDL's events until `queue` holds a message or
  // another thread calls wake().
  void wait(MessageQueue& queue);

  // Any thread.
  void wake();

 private:
  // Handles everything SDL has; true when a wake was among it.
  bool drain();
  // True for a wake.
  bool handle(const SDL_Event& event);
  void handle_window_event(const SDL_Event& event);
  void post_close(Window* window);

  SdlWindows& windows_;
  KeySnapshot& keys_;
  SdlPad& pad_;
  // At most one wake waits in SDL's queue.
  std::atomic<bool> wake_pending_{false};
  // The thread that waits here: it looks at its queue before every wait, so
  // what it queues itself needs no wake.
  std::atomic<std::thread::id> pump_thread_{};
};

}  // namespace detail
}  // namespace platform
