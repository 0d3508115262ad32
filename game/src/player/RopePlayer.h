#pragma once

#include <array>
#include <cstdint>

#include "QelLib.h"

// The player of one stage attempt: a point in world pixels (y downward) with
// its velocity in pixels per frame, and the hook at the end of the rope. A
// plain value: every step takes it by value and hands back the updated copy.
struct RopePlayer {
  float x = 0.0f;   // horizontal centre of the drawn figure
  float y = 0.0f;   // top edge of the drawn figure
  float vx = 0.0f;  // positive to the right
  float vy = 0.0f;  // positive downward
  std::int16_t hookX = 0;
  std::int16_t hookY = 0;
  // While attached the rope's length in pixels; while the hook flies, the
  // counter that ends the flight.
  std::int16_t ropeLength = 0;
  std::int32_t attached = 0;  // 1 while the hook holds on a cell
};

// The figure (entry 0) and the hook ball (entry 1) of one game. InitPlayer
// sets them up; the camera draws and erases them.
enum : int { PlayerFigureEntry = 0, HookBallEntry = 1 };
using PlayerSprites = std::array<QelSprite, 2>;
