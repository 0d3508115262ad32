#pragma once

#include "raster/canvas.h"

namespace assetgen {

// The pieces of the tile sheet, each drawn with its top-left at (x, y).
inline constexpr int kTile = 32;

void draw_solid_tile(Canvas& sheet, int x, int y);
void draw_open_tile(Canvas& sheet, int x, int y);
void draw_goal_tile(Canvas& sheet, int x, int y);
// The open tile at half brightness, for open cells below-right of a block.
void draw_shadowed_open_tile(Canvas& sheet, int x, int y);

void draw_hook_ball(Canvas& sheet, int x, int y);  // 16 x 16

// The climber hanging from the rope, 32 x 64, facing right.
Canvas draw_climber_facing_right();

}  // namespace assetgen
