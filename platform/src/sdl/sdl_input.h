#pragma once

// What the game thread reads of the keyboard and the pad: snapshots that the
// window thread keeps current from SDL's events. Both sides use atomics only,
// so a read never waits for the event pump.

#include <atomic>
#include <cstdint>

#include "platform/input.h"

namespace platform::detail {

class KeySnapshot {
 public:
  void set_key(Key key, bool down);
  // Without the focus every key reads as released; keys held when the focus
  // goes are forgotten, as their release goes to another window.
  void set_focus(bool focused);
  bool down(Key key) const;

 private:
  std::atomic<std::uint32_t> held_{0};  // bit n: Key n
  std::atomic<bool> focused_{false};
};

// The pad's controls as its events last reported them.
struct PadReadings {
  std::int16_t stick_x = 0;  // left stick, -32768 (left) to 32767 (right)
  std::int16_t stick_y = 0;  // -32768 (up) to 32767 (down)
  bool dpad_left = false;
  bool dpad_right = false;
  bool dpad_up = false;
  bool dpad_down = false;
  std::uint32_t buttons = 0;  // 1 A, 2 B, 4 X, 8 Y
};

// The pad as a joystick: positions 0 to 65535 from the stick, where a held
// D-pad direction pushes its axis to the end.
JoystickState pad_position(const PadReadings& readings);

class PadSnapshot {
 public:
  void plug(const JoystickState& state);  // also every later change
  void unplug();
  // kJoystickOk and *state for joystick 0 while a pad is plugged in.
  int read(unsigned index, JoystickState* state) const;

 private:
  // Plugged flag, x, y and buttons in one word, so a read never mixes two
  // updates.
  std::atomic<std::uint64_t> packed_{0};
};

}  // namespace platform::detail
