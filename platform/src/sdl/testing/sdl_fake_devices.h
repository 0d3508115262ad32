#pragma once

// Test helpers that stand in for a user's devices: a game controller that
// SDL treats as plugged in, and key and focus events as the display would
// deliver them. For tests of the backend only; not part of the library.
// No SDL types here, so tests need no SDL headers.

#include <cstdint>

namespace platform::testing {

// The controls of a fake controller, by the names of SDL's controller mapping.
enum class PadControl { a, b, x, y, start, dpad_left, dpad_right, dpad_up, dpad_down };
enum class PadStick { left_x, left_y };

// A controller plugged in for as long as the object lives.
class FakePad {
 public:
  FakePad();
  ~FakePad();
  FakePad(const FakePad&) = delete;
  FakePad& operator=(const FakePad&) = delete;

  bool plugged() const { return device_ >= 0; }
  void pull_out();
  void set(PadStick stick, std::int16_t value);
  void set(PadControl control, bool held);

 private:
  int device_ = -1;
  void* joystick_ = nullptr;  // held open so that its controls can be set
};

// Queues a key event for the key SDL calls `name` ("Left", "Space", ...).
void press_key(const char* name, bool down);

// Queues a keyboard focus event of the game window.
void set_keyboard_focus(bool focused);

// Lets the backend's event pump handle everything queued so far, as the
// window thread's message loop would.
void pump_events();

}  // namespace platform::testing
