#pragma once

// Controls of the simulated desktop, for tests and tools. Everything here
// applies only after platform::use_backend(platform::Backend::sim).

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"
#include "platform/input.h"
#include "platform/window.h"

namespace platform::sim {

// --- Virtual clock -----------------------------------------------------------
// The clock moves only when a thread sleeps: sleep_ms(n) advances it by n at
// once. It starts at kStartTicks, so a program that measures from tick 0 sees
// a long uptime, as on a real machine.
constexpr std::uint32_t kStartTicks = 1'000'000;

// Milliseconds of virtual time since the start (or the last reset()).
std::uint32_t elapsed_ms();

// Moves the raw tick counter, for tests of the counter's wrap. Scheduled
// times stay relative to the start.
void set_ticks(std::uint32_t ticks);

// Runs `action` when the virtual clock reaches `at_ms` (elapsed time), on the
// thread whose sleep carries the clock there, before that sleep returns.
// Actions due at the same time run in the order they were scheduled. An
// action scheduled for a time already reached runs at the next sleep.
void schedule(std::uint32_t at_ms, std::function<void()> action);

// --- Input -------------------------------------------------------------------
void set_key(Key key, bool down);
void set_focus(bool focused);  // without focus every key reads as released
void plug_joystick(const JoystickState& state);
void unplug_joystick();

// --- The window --------------------------------------------------------------
// The most recently created window, or null.
Window* main_window();

// Asks the window to close, as its close box would. Returns when the window's
// thread has handled the request and is waiting again (for messages or for a
// thread), so a scripted close has the same effect at the same virtual time
// on every run.
void request_close();

// The same request without waiting; callable from any thread.
void request_close_async();

// A copy of the window's client area in the platform layout (bitmap.h).
std::vector<std::uint8_t> screen_pixels();
BitmapSize screen_size();
Colour screen_pixel(int x, int y);  // 0x00BBGGRR; black outside the screen

// How many times the screen was presented.
std::uint64_t present_count();

// --- The wave player ---------------------------------------------------------
// A sound "plays" for its file's real duration in virtual time.
struct WaveEvent {
  std::uint32_t time_ms;  // elapsed virtual time
  std::string file;       // the name the sound was opened with
  std::string command;    // "open", "play", "stop" or "close"
};
std::vector<WaveEvent> wave_log();

// Called for every event as it happens, on the calling thread.
void on_wave_event(std::function<void(const WaveEvent&)> listener);

// Whether there is an audio device; without one every open fails with
// kWaveNoAudioDevice. There is one unless a test says otherwise.
void set_audio_device(bool present);

// --- Between tests -----------------------------------------------------------
// Forgets windows, classes, messages, scheduled actions, input, sounds and the
// clock. Handles from before the reset must not be used again.
void reset();

}  // namespace platform::sim
