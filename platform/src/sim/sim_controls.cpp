// The controls of the simulated desktop (platform/sim.h).

#include <chrono>
#include <cstdio>

#include "common/bitmap_internal.h"
#include "common/message_queue.h"
#include "common/window_internal.h"
#include "common/window_registry.h"
#include "platform/sim.h"
#include "sim/sim_world.h"

namespace platform {
namespace detail {
void forget_sounds();
}  // namespace detail

namespace sim {
namespace {

detail::SimWorld& world() {
  return detail::sim_world();
}

Window* live_main_window() {
  Window* window = main_window();
  return is_window(window) ? window : nullptr;
}

// Whether the window thread has started a new wait since `waits_before` and
// nothing is queued for it: it has dealt with everything it was sent.
bool window_thread_settled(std::uint64_t waits_before) {
  detail::SimWorld& w = world();
  const detail::MessageQueue& queue = detail::message_queue();
  return queue.closed() || (w.window_waiting && w.window_waits > waits_before && queue.empty());
}

}  // namespace

std::uint32_t elapsed_ms() {
  return world().clock.elapsed();
}

void set_ticks(std::uint32_t ticks) {
  world().clock.set_ticks(ticks);
}

void schedule(std::uint32_t at_ms, std::function<void()> action) {
  world().clock.schedule(at_ms, std::move(action));
}

void set_key(Key key, bool down) {
  world().keys[static_cast<std::size_t>(key)] = down;
}

void set_focus(bool focused) {
  world().focused = focused;
}

void plug_joystick(const JoystickState& state) {
  std::lock_guard lock(world().joystick_mutex);
  world().joystick = state;
}

void unplug_joystick() {
  std::lock_guard lock(world().joystick_mutex);
  world().joystick.reset();
}

Window* main_window() {
  return detail::newest_window();
}

void request_close() {
  Window* window = live_main_window();
  if (!window) return;
  detail::SimWorld& w = world();
  std::unique_lock lock(w.window_mutex);
  const std::uint64_t waits_before = w.window_waits;
  lock.unlock();
  detail::message_queue().post({window, Message::close, 0, 0});
  lock.lock();
  // A window thread that never comes back is a bug in the program under
  // test; give up after a while rather than hang the test run.
  const bool settled = w.window_changed.wait_for(
      lock, std::chrono::seconds(10), [&] { return window_thread_settled(waits_before); });
  if (!settled) std::fprintf(stderr, "sim: the window thread did not settle after a close\n");
}

void request_close_async() {
  if (Window* window = live_main_window()) {
    detail::message_queue().post({window, Message::close, 0, 0});
  }
}

std::vector<std::uint8_t> screen_pixels() {
  Window* window = main_window();
  if (!window || !window->screen) return {};
  std::lock_guard lock(window->screen_lock);
  return {window->screen->bits(), window->screen->bits() + window->screen->byte_count()};
}

BitmapSize screen_size() {
  Window* window = main_window();
  return window ? window->client : BitmapSize{};
}

Colour screen_pixel(int x, int y) {
  Window* window = main_window();
  if (!window || !window->screen) return kBlack;
  const BitmapSize size = window->client;
  if (x < 0 || y < 0 || x >= size.width || y >= size.height) return kBlack;
  std::lock_guard lock(window->screen_lock);
  const std::uint8_t* pixel =
      window->screen->bits() + (static_cast<std::size_t>(size.height - 1 - y) * size.width + x) * 3;
  return make_colour(pixel[2], pixel[1], pixel[0]);
}

std::uint64_t present_count() {
  return world().presents;
}

std::vector<WaveEvent> wave_log() {
  std::lock_guard lock(world().sound_mutex);
  return world().wave_log;
}

void on_wave_event(std::function<void(const WaveEvent&)> listener) {
  std::lock_guard lock(world().sound_mutex);
  world().wave_listener = std::move(listener);
}

void set_audio_device(bool present) {
  std::lock_guard lock(world().sound_mutex);
  world().audio_device = present;
}

void reset() {
  world().reset();
  detail::forget_windows();
  detail::forget_sounds();
  detail::message_queue().reset();
}

}  // namespace sim
}  // namespace platform
