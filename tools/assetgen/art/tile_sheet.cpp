#include "art/pictures.h"
#include "art/tile_sheet_parts.h"

namespace assetgen {

Canvas draw_tile_sheet() {
  Canvas sheet(256, 128);
  draw_solid_tile(sheet, 0, 0);
  draw_open_tile(sheet, kTile, 0);
  draw_goal_tile(sheet, 2 * kTile, 0);
  draw_shadowed_open_tile(sheet, 3 * kTile, 0);
  draw_hook_ball(sheet, 0, kTile);
  const Canvas climber = draw_climber_facing_right();
  sheet.paste(climber, 0, 0, climber.width(), climber.height(), kTile, kTile);
  sheet.paste_mirrored(climber, 0, 0, climber.width(), climber.height(), 2 * kTile, kTile);
  return sheet;
}

}  // namespace assetgen
