#pragma once

#include <vector>

#include "format/ico_writer.h"
#include "raster/canvas.h"

namespace assetgen {

// Every picture the game carries, each drawn at its stored size.
Canvas draw_tile_sheet();                     // map tiles, hook ball, climber figures (256 x 128)
Canvas draw_font_sheet();                     // 16 x 16 digits and capitals (416 x 32)
Canvas draw_title_logo();                     // the game's name (600 x 163)
Canvas draw_stage_label();                    // STAGE word and 32 x 32 digits (320 x 64)
Canvas draw_clear_banner();                   // CLEAR! (400 x 144)
Canvas draw_game_over_banner();               // GAME OVER (400 x 144)
Canvas draw_maker_logo();                     // emblem above, swoosh below (480 x 356)
Canvas draw_maker_faces();                    // four faces side by side (512 x 200)
std::vector<IconImage> draw_program_icons();  // 32 x 32 and 16 x 16

}  // namespace assetgen
