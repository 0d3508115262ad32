#pragma once

// A replay script: one event a line, "TIME ACTION", TIME in virtual
// milliseconds from the start. Blank lines and lines starting with # are
// skipped.
//
//   down KEY | up KEY       KEY: space escape left right up down
//   joy X Y BUTTONS         joystick 0 at X, Y (0 to 65535) with button bits
//   joy none                joystick 0 unplugged
//   close                   the window's close request
//   shot NAME               OUTDIR/NAME.bmp: the window's client area

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "platform/input.h"

struct ReplayEvent {
  enum class Kind { key_down, key_up, joystick, unplug, close, shot };
  std::uint32_t time = 0;
  Kind kind = Kind::close;
  platform::Key key = platform::Key::space;
  platform::JoystickState joystick;
  std::string name;  // of a shot
};

struct ReplayScript {
  std::vector<ReplayEvent> events;
  std::string error;  // "line N: ..." when the script is bad
};

ReplayScript ParseReplayScript(std::istream& in);
