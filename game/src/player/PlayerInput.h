#pragma once

#include <cstdint>

#include "player/RopePlayer.h"

// The input step of one frame, for the running stage (0 to 5): Escape, the
// push left or right, the rope's length, and the hook: resting by the player
// while the fire button is up, flying, riding along or holding while it is
// held. Plays the let-go, catch and goal sounds on EffectChannel and sets
// GameState on Escape (10) and on a goal (1).
RopePlayer PlayerInput(RopePlayer player, std::int16_t stage);
