#pragma once

// The windows the backend has on the desktop, found by the platform's handle
// or by SDL's window number. Presents are asked for from any thread and
// coalesced: however often the screen changes, at most one present per
// window waits in SDL's queue.
//
// Only the window thread adds or removes windows, and it does so under the
// lock; other threads only look windows up, under the lock. So the window
// thread reads the list without locking.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "sdl/sdl_window.h"

namespace platform {

class Window;

namespace detail {

class SdlWindows {
 public:
  // --- Window thread
  bool open(Window& window, std::string& error);
  void show(Window& window, bool visible);
  void close(Window& window);
  void close_all();
  // A present that was asked for; also when part of the window was uncovered.
  void present(std::uint32_t sdl_id);
  // Null for a window that is closed or not ours.
  Window* find(std::uint32_t sdl_id) const;
  std::vector<Window*> open_windows() const;

  // --- Any thread
  void request_present(Window& window);

 private:
  struct Entry {
    Window* window = nullptr;
    std::unique_ptr<SdlWindow> sdl;
    std::atomic<bool> present_pending{false};
  };

  Entry* entry_of(const Window& window) const;
  Entry* entry_of(std::uint32_t sdl_id) const;

  mutable std::mutex lock_;
  std::vector<std::unique_ptr<Entry>> entries_;
};

}  // namespace detail
}  // namespace platform
