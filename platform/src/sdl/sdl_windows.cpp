#include "sdl/sdl_windows.h"

#include <SDL.h>

#include <algorithm>

#include "common/window_internal.h"
#include "sdl/sdl_runtime.h"

namespace platform::detail {

bool SdlWindows::open(Window& window, std::string& error) {
  auto entry = std::make_unique<Entry>();
  entry->window = &window;
  entry->sdl = SdlWindow::create(window, error);
  if (!entry->sdl) return false;
  std::lock_guard lock(lock_);
  entries_.push_back(std::move(entry));
  return true;
}

void SdlWindows::show(Window& window, bool visible) {
  Entry* entry = entry_of(window);
  if (entry == nullptr) return;
  entry->sdl->show(visible);
  if (visible) entry->sdl->present(window);
}

void SdlWindows::close(Window& window) {
  std::unique_ptr<Entry> closing;
  {
    std::lock_guard lock(lock_);
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const auto& entry) { return entry->window == &window; });
    if (found == entries_.end()) return;
    closing = std::move(*found);
    entries_.erase(found);
  }
  // Destroyed outside the lock: a present asked for now finds no window.
}

void SdlWindows::close_all() {
  std::vector<std::unique_ptr<Entry>> closing;
  std::lock_guard lock(lock_);
  closing.swap(entries_);
}

void SdlWindows::present(std::uint32_t sdl_id) {
  Entry* entry = entry_of(sdl_id);
  if (entry == nullptr) return;
  // Cleared first: a change made while this present copies the pixels asks
  // for the next one.
  entry->present_pending.store(false);
  entry->sdl->present(*entry->window);
}

Window* SdlWindows::find(std::uint32_t sdl_id) const {
  Entry* entry = entry_of(sdl_id);
  return entry == nullptr ? nullptr : entry->window;
}

std::vector<Window*> SdlWindows::open_windows() const {
  std::vector<Window*> windows;
  for (const auto& entry : entries_) {
    windows.push_back(entry->window);
  }
  return windows;
}

void SdlWindows::request_present(Window& window) {
  std::lock_guard lock(lock_);
  Entry* entry = entry_of(window);
  if (entry == nullptr || entry->present_pending.exchange(true)) return;
  SDL_Event event{};
  event.type = present_event_type();
  event.user.windowID = entry->sdl->id();
  // A full queue drops the request; the next change asks again.
  if (SDL_PushEvent(&event) != 1) entry->present_pending.store(false);
}

SdlWindows::Entry* SdlWindows::entry_of(const Window& window) const {
  for (const auto& entry : entries_) {
    if (entry->window == &window) return entry.get();
  }
  return nullptr;
}

SdlWindows::Entry* SdlWindows::entry_of(std::uint32_t sdl_id) const {
  for (const auto& entry : entries_) {
    if (entry->sdl->id() == sdl_id) return entry.get();
  }
  return nullptr;
}

}  // namespace platform::detail
