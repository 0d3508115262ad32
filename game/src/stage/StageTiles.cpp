#include "stage/StageTiles.h"

#include "stage/StageMaps.h"

namespace {

bool InShadow(int stage, int row, int column) {
  return row > 0 && column > 0 && StageCell(stage, row - 1, column - 1) != CellOpen;
}

}  // namespace

std::int16_t StageTileX(int stage, int row, int column) {
  const char code = StageCell(stage, row, column);
  if (code == CellOpen && InShadow(stage, row, column)) return ShadowedOpenTileX;
  return static_cast<std::int16_t>((code - CellSolid) * CellSize);
}
