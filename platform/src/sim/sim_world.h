#pragma once

// The state of the simulated desktop, shared by the backend (what the
// program sees) and the controls of platform/sim.h (what a test does).

#include <array>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "common/backend_interface.h"
#include "platform/sim.h"
#include "sim/virtual_clock.h"

namespace platform::detail {

struct SimVoice {
  VoiceSource source;
  bool playing = false;
  std::uint32_t started_at = 0;  // elapsed time of the latest play
};

class SimWorld {
 public:
  VirtualClock clock{sim::kStartTicks};

  // Input.
  std::array<std::atomic<bool>, 6> keys{};
  std::atomic<bool> focused{true};
  std::mutex joystick_mutex;
  std::optional<JoystickState> joystick;

  // The window thread: whether it is waiting (for messages or for another
  // thread), and how often it has started to, so that a scripted close can
  // wait until the window thread has dealt with it.
  std::mutex window_mutex;
  std::condition_variable window_changed;
  std::thread::id window_thread;
  bool window_waiting = false;
  std::uint64_t window_waits = 0;
  std::atomic<std::uint64_t> presents{0};

  // The wave player.
  std::mutex sound_mutex;
  std::map<std::uint32_t, SimVoice> voices;
  std::uint32_t next_voice = 1;
  bool audio_device = true;
  std::vector<sim::WaveEvent> wave_log;
  std::function<void(const sim::WaveEvent&)> wave_listener;

  void window_thread_waits();
  void window_thread_resumes();
  void log_wave(const SimVoice& voice, const char* command);
  void reset();
};

// The world of the selected sim backend; aborts when the sim is not selected.
SimWorld& sim_world();

}  // namespace platform::detail
