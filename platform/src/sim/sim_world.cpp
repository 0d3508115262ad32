#include "sim/sim_world.h"

namespace platform::detail {

void SimWorld::window_thread_waits() {
  std::lock_guard lock(window_mutex);
  window_waiting = true;
  ++window_waits;
  window_changed.notify_all();
}

void SimWorld::window_thread_resumes() {
  std::lock_guard lock(window_mutex);
  window_waiting = false;
}

void SimWorld::log_wave(const SimVoice& voice, const char* command) {
  sim::WaveEvent event{clock.elapsed(), voice.source.name, command};
  std::function<void(const sim::WaveEvent&)> listener;
  {
    std::lock_guard lock(sound_mutex);
    wave_log.push_back(event);
    listener = wave_listener;
  }
  if (listener) listener(event);
}

void SimWorld::reset() {
  clock.reset(sim::kStartTicks);
  for (auto& key : keys)
    key = false;
  focused = true;
  {
    std::lock_guard lock(joystick_mutex);
    joystick.reset();
  }
  {
    std::lock_guard lock(window_mutex);
    window_thread = {};
    window_waiting = false;
    window_waits = 0;
  }
  presents = 0;
  std::lock_guard lock(sound_mutex);
  voices.clear();
  next_voice = 1;
  audio_device = true;
  wave_log.clear();
  wave_listener = nullptr;
}

}  // namespace platform::detail
