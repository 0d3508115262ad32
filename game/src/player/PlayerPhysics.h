#pragma once

#include "player/RopePlayer.h"

// The physics step of one frame: the rope's pull while the hook holds,
// gravity, damping and the move; sets GameState to 3 when the player has
// dropped below the fall line while the stage is still being played.
//
// Bit for bit: the fields are 32-bit floats, each value is computed in x87
// extended precision and rounded to float where it is stored, and the
// distance's root is taken in double.
RopePlayer PlayerPhysics(RopePlayer player);
