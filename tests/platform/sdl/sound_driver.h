#pragma once

#include <cstdlib>
#include <string>

// SDL reads its sound driver when the first sound is opened, once per process.
// Picks the driver for this process; false when another test in the same
// process has picked a different one (ctest gives every test its own process).
inline bool use_sound_driver(const std::string& driver) {
  static const std::string chosen = driver;
  if (chosen != driver) return false;
  setenv("SDL_AUDIODRIVER", driver.c_str(), 1);
  return true;
}
