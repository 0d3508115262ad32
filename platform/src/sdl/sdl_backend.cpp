// The real desktop: SDL's windows, events and game controllers, and
// SDL_mixer's channels, behind the backend interface.

#include <memory>

#include "common/backend_factories.h"
#include "sdl/sdl_clock.h"
#include "sdl/sdl_events.h"
#include "sdl/sdl_input.h"
#include "sdl/sdl_pad.h"
#include "sdl/sdl_runtime.h"
#include "sdl/sdl_voices.h"
#include "sdl/sdl_windows.h"

namespace platform::detail {
namespace {

// Shuts SDL down once everything that holds SDL objects is gone: declared
// first in the backend, so destroyed last.
struct SdlSession {
  SdlSession() = default;
  ~SdlSession() { stop_sdl(); }
  SdlSession(const SdlSession&) = delete;
  SdlSession& operator=(const SdlSession&) = delete;
};

class SdlBackend final : public BackendImpl {
 public:
  std::uint32_t ticks() override { return monotonic_ms(); }
  void sleep(std::uint32_t milliseconds) override { sleep_precisely(milliseconds); }

  bool open_window(Window& window, std::string& error) override {
    if (!start_sdl_video(error) || !windows_.open(window, error)) return false;
    // The sound output starts here, on the window thread, so that the game
    // thread's first sound does not start it beside the event pump.
    start_sdl_audio();
    return true;
  }
  void show_window(Window& window, bool visible) override { windows_.show(window, visible); }
  void close_window(Window& window) override {
    windows_.close(window);
    // The focus went with the window; its key releases will never come.
    if (windows_.open_windows().empty()) keys_.set_focus(false);
  }
  void screen_changed(Window& window) override { windows_.request_present(window); }

  void wait_for_events(MessageQueue& queue) override { pump_.wait(queue); }
  void wake() override { pump_.wake(); }

  bool key_down(Key key) override { return keys_.down(key); }
  int read_joystick(unsigned index, JoystickState* state) override {
    return pad_snapshot_.read(index, state);
  }

  int open_voice(const VoiceSource& source, std::uint32_t* voice) override {
    return voices_.open(source, voice);
  }
  int play_voice(std::uint32_t voice) override { return voices_.play(voice); }
  int voice_playing(std::uint32_t voice, int* playing) override {
    return voices_.playing(voice, playing);
  }
  int stop_voice(std::uint32_t voice) override { return voices_.stop(voice); }
  int close_voice(std::uint32_t voice) override { return voices_.close(voice); }

 private:
  SdlSession session_;
  KeySnapshot keys_;
  PadSnapshot pad_snapshot_;
  SdlPad pad_{pad_snapshot_};
  SdlWindows windows_;
  SdlVoices voices_;
  SdlEventPump pump_{windows_, keys_, pad_};
};

}  // namespace

std::unique_ptr<BackendImpl> make_sdl_backend() {
  return std::make_unique<SdlBackend>();
}

}  // namespace platform::detail
