// The simulated desktop as the program sees it: a virtual clock, a window
// in memory, scripted input and a wave player that plays in virtual time.

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>

#include "common/backend_factories.h"
#include "common/message_queue.h"
#include "common/window_internal.h"
#include "platform/wave.h"
#include "sim/sim_world.h"

namespace platform::detail {
namespace {

SimWorld* g_world = nullptr;

class SimBackend final : public BackendImpl {
 public:
  SimBackend() { g_world = &world_; }
  ~SimBackend() override { g_world = nullptr; }

  std::uint32_t ticks() override { return world_.clock.ticks(); }
  void sleep(std::uint32_t milliseconds) override { world_.clock.sleep(milliseconds); }

  bool open_window(Window&, std::string&) override {
    std::lock_guard lock(world_.window_mutex);
    world_.window_thread = std::this_thread::get_id();
    return true;
  }
  void show_window(Window&, bool) override {}
  void close_window(Window&) override {}
  void screen_changed(Window&) override { ++world_.presents; }

  void wait_for_events(MessageQueue& queue) override {
    world_.window_thread_waits();
    queue.wait_until_not_empty();
    world_.window_thread_resumes();
  }
  // The queue's own condition variable wakes wait_for_events.
  void wake() override {}

  void thread_wait_begins() override {
    if (on_window_thread()) world_.window_thread_waits();
  }
  void thread_wait_ends() override {
    if (on_window_thread()) world_.window_thread_resumes();
  }

  bool key_down(Key key) override {
    return world_.focused && world_.keys[static_cast<std::size_t>(key)];
  }

  int read_joystick(unsigned index, JoystickState* state) override {
    if (index != 0) return kJoystickBadIndex;
    std::lock_guard lock(world_.joystick_mutex);
    if (!world_.joystick) return kJoystickUnplugged;
    *state = *world_.joystick;
    return kJoystickOk;
  }

  int open_voice(const VoiceSource& source, std::uint32_t* voice) override;
  int play_voice(std::uint32_t voice) override;
  int voice_playing(std::uint32_t voice, int* playing) override;
  int stop_voice(std::uint32_t voice) override;
  int close_voice(std::uint32_t voice) override;

 private:
  bool on_window_thread() {
    std::lock_guard lock(world_.window_mutex);
    return world_.window_thread == std::this_thread::get_id();
  }

  // Runs `change` on the voice under the lock and logs `command` for it.
  template <typename Change>
  int change_voice(std::uint32_t id, const char* command, Change change);

  SimWorld world_;
};

template <typename Change>
int SimBackend::change_voice(std::uint32_t id, const char* command, Change change) {
  SimVoice logged;
  {
    std::lock_guard lock(world_.sound_mutex);
    auto found = world_.voices.find(id);
    if (found == world_.voices.end()) return kWaveBadDevice;
    change(found->second);
    logged = found->second;
    if (std::string_view(command) == "close") world_.voices.erase(found);
  }
  world_.log_wave(logged, command);
  return kWaveOk;
}

int SimBackend::open_voice(const VoiceSource& source, std::uint32_t* voice) {
  SimVoice opened{source};
  {
    std::lock_guard lock(world_.sound_mutex);
    if (!world_.audio_device) return kWaveNoAudioDevice;
    *voice = world_.next_voice++;
    world_.voices[*voice] = opened;
  }
  world_.log_wave(opened, "open");
  return kWaveOk;
}

int SimBackend::play_voice(std::uint32_t voice) {
  const std::uint32_t now = world_.clock.elapsed();
  return change_voice(voice, "play", [now](SimVoice& v) {
    v.playing = true;
    v.started_at = now;
  });
}

int SimBackend::voice_playing(std::uint32_t voice, int* playing) {
  const std::uint32_t now = world_.clock.elapsed();
  std::lock_guard lock(world_.sound_mutex);
  auto found = world_.voices.find(voice);
  if (found == world_.voices.end()) return kWaveBadDevice;
  const SimVoice& v = found->second;
  *playing = v.playing && now - v.started_at < v.source.duration_ms ? 1 : 0;
  return kWaveOk;
}

int SimBackend::stop_voice(std::uint32_t voice) {
  return change_voice(voice, "stop", [](SimVoice& v) { v.playing = false; });
}

int SimBackend::close_voice(std::uint32_t voice) {
  return change_voice(voice, "close", [](SimVoice& v) { v.playing = false; });
}

}  // namespace

SimWorld& sim_world() {
  if (!g_world) {
    std::fprintf(stderr, "platform: the simulated desktop is not selected\n");
    std::abort();
  }
  return *g_world;
}

std::unique_ptr<BackendImpl> make_sim_backend() {
  return std::make_unique<SimBackend>();
}

}  // namespace platform::detail
