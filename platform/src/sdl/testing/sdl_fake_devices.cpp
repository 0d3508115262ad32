#include "sdl/testing/sdl_fake_devices.h"

#include <SDL.h>

#include <thread>

#include "common/backend_interface.h"
#include "common/message_queue.h"
#include "sdl/sdl_runtime.h"

namespace platform::testing {
namespace {

SDL_GameControllerButton button_of(PadControl control) {
  switch (control) {
    case PadControl::a:
      return SDL_CONTROLLER_BUTTON_A;
    case PadControl::b:
      return SDL_CONTROLLER_BUTTON_B;
    case PadControl::x:
      return SDL_CONTROLLER_BUTTON_X;
    case PadControl::y:
      return SDL_CONTROLLER_BUTTON_Y;
    case PadControl::start:
      return SDL_CONTROLLER_BUTTON_START;
    case PadControl::dpad_left:
      return SDL_CONTROLLER_BUTTON_DPAD_LEFT;
    case PadControl::dpad_right:
      return SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    case PadControl::dpad_up:
      return SDL_CONTROLLER_BUTTON_DPAD_UP;
    case PadControl::dpad_down:
      return SDL_CONTROLLER_BUTTON_DPAD_DOWN;
  }
  return SDL_CONTROLLER_BUTTON_INVALID;
}

SDL_Joystick* joystick(void* handle) {
  return static_cast<SDL_Joystick*>(handle);
}

}  // namespace

FakePad::FakePad() {
  detail::start_sdl_events();
  // A virtual controller: SDL maps its buttons and axes one to one onto the
  // controller names, the way it maps a known pad.
  SDL_VirtualJoystickDesc description{};
  description.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  description.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  description.naxes = SDL_CONTROLLER_AXIS_MAX;
  description.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  description.name = "fake pad";
  const int index = SDL_JoystickAttachVirtualEx(&description);
  if (index < 0) return;
  joystick_ = SDL_JoystickOpen(index);
  device_ = joystick_ ? SDL_JoystickInstanceID(joystick(joystick_)) : -1;
}

FakePad::~FakePad() {
  pull_out();
}

void FakePad::pull_out() {
  if (device_ < 0) return;
  const int index = [&] {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == device_) return i;
    }
    return -1;
  }();
  SDL_JoystickClose(joystick(joystick_));
  if (index >= 0) SDL_JoystickDetachVirtual(index);
  joystick_ = nullptr;
  device_ = -1;
}

void FakePad::set(PadStick stick, std::int16_t value) {
  const SDL_GameControllerAxis axis =
      stick == PadStick::left_x ? SDL_CONTROLLER_AXIS_LEFTX : SDL_CONTROLLER_AXIS_LEFTY;
  SDL_JoystickSetVirtualAxis(joystick(joystick_), axis, value);
}

void FakePad::set(PadControl control, bool held) {
  SDL_JoystickSetVirtualButton(joystick(joystick_), button_of(control), held ? 1 : 0);
}

void press_key(const char* name, bool down) {
  detail::start_sdl_events();
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.keysym.scancode = SDL_GetScancodeFromName(name);
  event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
  SDL_PushEvent(&event);
}

void set_keyboard_focus(bool focused) {
  detail::start_sdl_events();
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = focused ? SDL_WINDOWEVENT_FOCUS_GAINED : SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&event);
}

void pump_events() {
  detail::start_sdl_events();
  // The wake is queued behind everything so far, and the pump returns once
  // it has handled it and whatever came with it. It comes from another
  // thread, as the pump's own thread never needs waking.
  std::thread([] { detail::backend().wake(); }).join();
  detail::backend().wait_for_events(detail::message_queue());
}

}  // namespace platform::testing
