#pragma once

#include "player/RopePlayer.h"

// The start of every stage attempt: sets up the figure and hook-ball sprites
// (drawn into WorldImage, erased from StageImage) and returns the player at
// rest at (64, 16) with the hook on the player and a rope of 100.
RopePlayer InitPlayer(PlayerSprites& sprites);
