#include "sdl/sdl_pad.h"

#include <SDL.h>

namespace platform::detail {
namespace {

bool held(SDL_GameController* pad, SDL_GameControllerButton button) {
  return SDL_GameControllerGetButton(pad, button) != 0;
}

// Button bits of the joystick, in the order of the face buttons.
std::uint32_t button_bit(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
      return 1;
    case SDL_CONTROLLER_BUTTON_B:
      return 2;
    case SDL_CONTROLLER_BUTTON_X:
      return 4;
    case SDL_CONTROLLER_BUTTON_Y:
      return 8;
    default:
      return 0;
  }
}

// Sets what a button event changes; false for a button the joystick lacks.
bool apply_button(PadReadings& readings, Uint8 button, bool down) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      readings.dpad_left = down;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      readings.dpad_right = down;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      readings.dpad_up = down;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      readings.dpad_down = down;
      return true;
    default:
      break;
  }
  const std::uint32_t bit = button_bit(button);
  if (bit == 0) return false;
  readings.buttons = down ? readings.buttons | bit : readings.buttons & ~bit;
  return true;
}

}  // namespace

SdlPad::~SdlPad() {
  release();
}

void SdlPad::release() {
  if (pad_ != nullptr) SDL_GameControllerClose(pad_);
  pad_ = nullptr;
  instance_ = -1;
  snapshot_.unplug();
}

bool SdlPad::apply(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (pad_ == nullptr) open(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (ours(event.cdevice.which)) {
        release();
        open_first();  // another pad still plugged in takes over
      }
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (!ours(event.caxis.which)) return true;
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) readings_.stick_x = event.caxis.value;
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY) readings_.stick_y = event.caxis.value;
      publish();
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (ours(event.cbutton.which) &&
          apply_button(readings_, event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN)) {
        publish();
      }
      return true;
    default:
      return false;
  }
}

void SdlPad::open(int device_index) {
  pad_ = SDL_GameControllerOpen(device_index);
  if (pad_ == nullptr) return;
  instance_ = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad_));
  // Controls already held when the pad is opened send no event of their own.
  readings_ = PadReadings{};
  readings_.stick_x = SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_LEFTX);
  readings_.stick_y = SDL_GameControllerGetAxis(pad_, SDL_CONTROLLER_AXIS_LEFTY);
  for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button) {
    const auto which = static_cast<SDL_GameControllerButton>(button);
    apply_button(readings_, static_cast<Uint8>(button), held(pad_, which));
  }
  publish();
}

void SdlPad::open_first() {
  for (int index = 0; index < SDL_NumJoysticks() && pad_ == nullptr; ++index) {
    if (SDL_IsGameController(index)) open(index);
  }
}

void SdlPad::publish() {
  snapshot_.plug(pad_position(readings_));
}

}  // namespace platform::detail
