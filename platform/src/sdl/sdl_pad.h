#pragma once

// The first game controller as joystick 0. SDL's controller mapping names
// the controls, so any pad SDL knows reads the same: left stick and D-pad
// for direction, A, B, X and Y as buttons 1 to 4. Pads plugged in or pulled
// out while the program runs are picked up or let go. Window thread only.

#include "sdl/sdl_input.h"

union SDL_Event;
struct _SDL_GameController;

namespace platform::detail {

class SdlPad {
 public:
  explicit SdlPad(PadSnapshot& snapshot) : snapshot_(snapshot) {}
  ~SdlPad();
  SdlPad(const SdlPad&) = delete;
  SdlPad& operator=(const SdlPad&) = delete;

  // True when the event was a controller event (and is now applied).
  bool apply(const SDL_Event& event);

  // Lets the pad go; before SDL shuts down.
  void release();

 private:
  void open(int device_index);
  void open_first();
  bool ours(int instance_id) const { return pad_ != nullptr && instance_id == instance_; }
  void publish();

  PadSnapshot& snapshot_;
  _SDL_GameController* pad_ = nullptr;
  int instance_ = -1;
  PadReadings readings_;
};

}  // namespace platform::detail
