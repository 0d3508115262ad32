#include "platform/input.h"

#include "common/backend_interface.h"

namespace platform {

bool key_down(Key key) {
  return detail::backend().key_down(key);
}

int read_joystick(unsigned index, JoystickState* state) {
  if (!state) return kJoystickBadIndex;
  return detail::backend().read_joystick(index, state);
}

}  // namespace platform
