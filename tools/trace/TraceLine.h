#pragma once

// One line of the trace: the player after both steps of a frame,
//
//   frame,x,y,vx,vy,hookX,hookY,ropeLength,attached,gameState,sound
//
// the four floats in exact hexadecimal (%a), sound the effect the frame
// started: none, letgo, catch or goal.

#include <cstdint>
#include <string>

#include "player/RopePlayer.h"

enum class TraceSound { none, letgo, catch_sound, goal };

const char* TraceSoundName(TraceSound sound);

std::string TraceLine(int frame, const RopePlayer& player, std::int16_t game_state,
                      TraceSound sound);
