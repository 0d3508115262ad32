#pragma once

#include <cstdint>

// The six stages as grids of cells. A stage exactly fills the 1280 x 960
// world: 40 columns by 30 rows of 32 x 32 pixels.
constexpr int StageCount = 6;
constexpr int StageColumns = 40;
constexpr int StageRows = 30;
constexpr int CellSize = 32;

// What a cell is. Only the hook looks at cells: it passes through open cells
// and catches on every other one.
constexpr char CellSolid = '0';
constexpr char CellOpen = '1';
constexpr char CellGoal = '2';

// Stage-major: entry stage * StageRows + row holds that row of the stage,
// row 0 at the top, as a string of StageColumns cell codes, column 0 first.
extern const char StageMaps[StageCount * StageRows][StageColumns + 1];

// The code of one cell; the caller keeps stage, row and column in range.
inline char StageCell(int stage, int row, int column) {
  return StageMaps[stage * StageRows + row][column];
}
