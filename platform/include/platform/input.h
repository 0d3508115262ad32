#pragma once

#include <cstdint>

namespace platform {

enum class Key { left, right, up, down, space, escape };

// Whether the key is held at this moment. Every key reads as released while
// the game window does not have the keyboard focus.
bool key_down(Key key);

// Position and buttons of a joystick. Positions run from 0 to 65535 with the
// centre near 32767 (x grows to the right, y downward); button bit n - 1 is
// button n.
struct JoystickState {
  std::uint32_t x = 32767;
  std::uint32_t y = 32767;
  std::uint32_t z = 0;
  std::uint32_t buttons = 0;
};

enum JoystickResult : int {
  kJoystickOk = 0,
  kJoystickBadIndex = 165,
  kJoystickUnplugged = 167,
};

// Reads joystick `index` (0 is the first). kJoystickOk fills *state; anything
// else means the joystick contributes nothing.
int read_joystick(unsigned index, JoystickState* state);

}  // namespace platform
