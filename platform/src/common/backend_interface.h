#pragma once

// The services a backend provides. The common code (windows and messages,
// drawing, resources, the wave player's bookkeeping) calls them; the two
// implementations live in src/sdl and src/sim.

#include <cstdint>
#include <string>

#include "platform/input.h"

namespace platform {

class Window;

namespace detail {

class MessageQueue;

// A wave file the common layer has found and checked (see wave_file.h).
struct VoiceSource {
  std::string name;           // the name the sound was opened with
  std::string path;           // where the file was found
  std::uint32_t duration_ms;  // length of its samples
};

class BackendImpl {
 public:
  virtual ~BackendImpl() = default;

  // --- Clock
  virtual std::uint32_t ticks() = 0;
  virtual void sleep(std::uint32_t milliseconds) = 0;

  // --- Windows. open, show and close run on the window's thread.
  // Makes the window real (on the screen, or in memory); false with a reason
  // when that is impossible (no display).
  virtual bool open_window(Window& window, std::string& error) = 0;
  virtual void show_window(Window& window, bool visible) = 0;
  // The window is being destroyed: take it off the screen at once.
  virtual void close_window(Window& window) = 0;
  // Any thread, after the client area's pixels changed (lock released).
  virtual void screen_changed(Window& window) = 0;

  // --- Messages
  // The window thread calls this when its queue is empty. Returns once a
  // message may be waiting: one posted or sent by another thread (the queue
  // calls wake()), or one the backend made from its own events.
  virtual void wait_for_events(MessageQueue& queue) = 0;
  // Any thread: something was queued for the window thread.
  virtual void wake() = 0;
  // Any thread: the calling thread starts or stops waiting for another thread.
  virtual void thread_wait_begins() {}
  virtual void thread_wait_ends() {}

  // --- Input
  virtual bool key_down(Key key) = 0;
  virtual int read_joystick(unsigned index, JoystickState* state) = 0;

  // --- Sound: one voice per open sound. Results are WaveResult codes.
  virtual int open_voice(const VoiceSource& source, std::uint32_t* voice) = 0;
  virtual int play_voice(std::uint32_t voice) = 0;
  virtual int voice_playing(std::uint32_t voice, int* playing) = 0;
  virtual int stop_voice(std::uint32_t voice) = 0;
  virtual int close_voice(std::uint32_t voice) = 0;
};

// The selected backend; aborts with a message when none was selected.
BackendImpl& backend();

// The selected backend, or null before use_backend.
BackendImpl* selected_backend();

}  // namespace detail
}  // namespace platform
