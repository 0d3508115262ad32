// Polled input: the arrow keys, Space and Escape of the keyboard, and the
// position and first four buttons of a joystick, read at the moment of the
// call and added together.

#include "LibraryState.h"
#include "QelLib.h"
#include "platform/input.h"

namespace {

// Positions within 1024 of the centre (32767) are the dead zone.
constexpr std::uint32_t StickLow = 31743;
constexpr std::uint32_t StickHigh = 33791;
constexpr std::uint32_t JoystickButtonBits = 0x0F;

bool ReadJoystick(int joystick, platform::JoystickState* state) {
  return joystick >= 0 &&
         platform::read_joystick(static_cast<unsigned>(joystick), state) == platform::kJoystickOk;
}

std::int32_t StickDirection(std::uint32_t position) {
  if (position > StickHigh) return 1;
  if (position < StickLow) return -1;
  return 0;
}

std::int32_t KeyAxis(platform::Key positive, platform::Key negative) {
  std::int32_t value = 0;
  if (platform::key_down(positive)) value = 1;
  if (platform::key_down(negative)) value -= 1;
  return value;
}

}  // namespace

int QelGetStickX(int, int joystick) {
  LibraryState.stickX = KeyAxis(platform::Key::right, platform::Key::left);
  platform::JoystickState state;
  if (ReadJoystick(joystick, &state)) LibraryState.stickX += StickDirection(state.x);
  return LibraryState.stickX;
}

int QelGetStickY(int, int joystick) {
  LibraryState.stickY = KeyAxis(platform::Key::down, platform::Key::up);
  platform::JoystickState state;
  if (ReadJoystick(joystick, &state)) LibraryState.stickY += StickDirection(state.y);
  return LibraryState.stickY;
}

int QelGetButton(int joystick) {
  LibraryState.buttons = 0;
  if (platform::key_down(platform::Key::space)) LibraryState.buttons = 0x01;
  if (platform::key_down(platform::Key::escape)) LibraryState.buttons |= 0x80;
  platform::JoystickState state;
  if (ReadJoystick(joystick, &state)) {
    LibraryState.buttons |= static_cast<std::int32_t>(state.buttons & JoystickButtonBits);
  }
  return LibraryState.buttons;
}
