#include "TraceLine.h"

#include <cstdio>

const char* TraceSoundName(TraceSound sound) {
  switch (sound) {
    case TraceSound::letgo:
      return "letgo";
    case TraceSound::catch_sound:
      return "catch";
    case TraceSound::goal:
      return "goal";
    case TraceSound::none:
      break;
  }
  return "none";
}

std::string TraceLine(int frame, const RopePlayer& player, std::int16_t game_state,
                      TraceSound sound) {
  char line[256];
  std::snprintf(line, sizeof line, "%d,%a,%a,%a,%a,%d,%d,%d,%d,%d,%s", frame,
                static_cast<double>(player.x), static_cast<double>(player.y),
                static_cast<double>(player.vx), static_cast<double>(player.vy), player.hookX,
                player.hookY, player.ropeLength, player.attached, game_state,
                TraceSoundName(sound));
  return line;
}
