#include "sdl/sdl_input.h"

namespace platform::detail {
namespace {

constexpr std::uint32_t bit_of(Key key) {
  return std::uint32_t{1} << static_cast<unsigned>(key);
}

constexpr std::uint32_t kAxisMin = 0;
constexpr std::uint32_t kAxisMax = 65535;
constexpr std::uint32_t kButtonMask = 0xF;

std::uint32_t axis_position(std::int16_t stick, bool toward_min, bool toward_max) {
  if (toward_min != toward_max) return toward_min ? kAxisMin : kAxisMax;
  return static_cast<std::uint32_t>(stick + 32768);
}

// Word layout: bit 63 plugged, bits 32-35 buttons, 16-31 y, 0-15 x.
constexpr std::uint64_t kPlugged = std::uint64_t{1} << 63;

}  // namespace

void KeySnapshot::set_key(Key key, bool down) {
  if (down) {
    held_.fetch_or(bit_of(key));
  } else {
    held_.fetch_and(~bit_of(key));
  }
}

void KeySnapshot::set_focus(bool focused) {
  focused_.store(focused);
  if (!focused) held_.store(0);
}

bool KeySnapshot::down(Key key) const {
  return focused_.load() && (held_.load() & bit_of(key)) != 0;
}

JoystickState pad_position(const PadReadings& readings) {
  JoystickState state;
  state.x = axis_position(readings.stick_x, readings.dpad_left, readings.dpad_right);
  state.y = axis_position(readings.stick_y, readings.dpad_up, readings.dpad_down);
  state.z = 0;
  state.buttons = readings.buttons & kButtonMask;
  return state;
}

void PadSnapshot::plug(const JoystickState& state) {
  packed_.store(kPlugged | (std::uint64_t{state.buttons & kButtonMask} << 32) |
                (std::uint64_t{state.y & 0xFFFF} << 16) | std::uint64_t{state.x & 0xFFFF});
}

void PadSnapshot::unplug() {
  packed_.store(0);
}

int PadSnapshot::read(unsigned index, JoystickState* state) const {
  if (index != 0) return kJoystickBadIndex;
  const std::uint64_t word = packed_.load();
  if ((word & kPlugged) == 0) return kJoystickUnplugged;
  state->x = static_cast<std::uint32_t>(word & 0xFFFF);
  state->y = static_cast<std::uint32_t>((word >> 16) & 0xFFFF);
  state->z = 0;
  state->buttons = static_cast<std::uint32_t>((word >> 32) & kButtonMask);
  return kJoystickOk;
}

}  // namespace platform::detail
