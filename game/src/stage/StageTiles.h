#pragma once

#include <cstdint>

// The map tiles in the top row of TileSheet, 32 x 32 each: solid at x 0, open
// at x 32, goal at x 64 (the cell code times 32), and at x 96 the open tile
// darkened by the shadow of the block up and to the left of it.
constexpr std::int16_t ShadowedOpenTileX = 96;

// The x of the tile that the cell (row, column) of the stage is drawn with.
// An open cell lies in shadow when the cell diagonally up-left of it is not
// open; the cells directly above and to the left do not count, and cells in
// row 0 or column 0 are never shadowed.
std::int16_t StageTileX(int stage, int row, int column);
