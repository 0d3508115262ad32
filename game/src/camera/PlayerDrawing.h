#pragma once

#include "player/RopePlayer.h"

// Copies the rectangles at which the figure and then the hook ball were last
// drawn back from StageImage into WorldImage.
void ErasePlayer(PlayerSprites& sprites);

// Draws the figure, facing the way the player moves, with its top edge at y
// and centred on x, then the hook ball centred on the hook over it.
void DrawPlayer(RopePlayer player, PlayerSprites& sprites);
