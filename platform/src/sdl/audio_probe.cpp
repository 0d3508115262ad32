#include "sdl/audio_probe.h"

#include <algorithm>
#include <atomic>
#include <mutex>

#include "sdl/sdl_clock.h"

namespace platform::detail {
namespace {

struct Probe {
  std::mutex lock;  // guards listener and context
  AudioProbeListener listener = nullptr;
  void* context = nullptr;
  std::atomic<bool> listening{false};
  std::atomic<bool> armed{false};  // a play is waiting for its first buffer
};

Probe& probe() {
  static Probe instance;
  return instance;
}

}  // namespace

void set_audio_probe(AudioProbeListener listener, void* context) {
  Probe& state = probe();
  std::lock_guard lock(state.lock);
  state.listener = listener;
  state.context = context;
  state.armed.store(false);
  state.listening.store(listener != nullptr);
}

void audio_probe_note_play() {
  Probe& state = probe();
  if (state.listening.load()) state.armed.store(true);
}

void audio_probe_buffer_mixed(const std::int16_t* samples, std::size_t count) {
  Probe& state = probe();
  if (!state.armed.load(std::memory_order_relaxed)) return;
  // The buffer goes to the device as soon as this returns.
  const std::uint64_t now = monotonic_ns();
  const bool silent = std::all_of(samples, samples + count, [](std::int16_t s) { return s == 0; });
  if (silent || !state.armed.exchange(false)) return;
  std::lock_guard lock(state.lock);
  if (state.listener != nullptr) state.listener(now, state.context);
}

}  // namespace platform::detail
