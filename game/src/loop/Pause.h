#pragma once

#include "QelLib.h"

// A pause of `milliseconds`: the pacing clock restarts and the game thread
// sleeps that long.
inline void Pause(unsigned int milliseconds) {
  QelWaitInit();
  QelWait(milliseconds);
}
