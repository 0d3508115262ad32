#include "stage/DrawStage.h"

#include "QelLib.h"
#include "assets/SharedObjects.h"
#include "stage/StageMaps.h"
#include "stage/StageTiles.h"

namespace {

// One sprite for all cells: its source is moved to the cell's tile in the top
// row of TileSheet and its place to the cell, 32 x 32 both.
void SetUpTileSprite(QelSprite& tile) {
  tile.Set(QelDrawCopy, &TileSheet, nullptr, &StageImage, 1.0f, 0);
  tile.posRect.width = CellSize;
  tile.posRect.height = CellSize;
  tile.srcRect.width = CellSize;
  tile.srcRect.height = CellSize;
}

void DrawCell(QelSprite& tile, int stage, int row, int column) {
  tile.posRect.x = static_cast<std::int16_t>(column * CellSize);
  tile.posRect.y = static_cast<std::int16_t>(row * CellSize);
  tile.srcRect.x = StageTileX(stage, row, column);
  tile.srcRect.y = 0;
  tile.Draw();
}

}  // namespace

void DrawStage(std::int16_t stage) {
  // The map has six stages; anything else would read past it.
  if (stage < 0 || stage >= StageCount) return;
  QelSprite tile;
  SetUpTileSprite(tile);
  for (int row = 0; row < StageRows; ++row) {
    for (int column = 0; column < StageColumns; ++column)
      DrawCell(tile, stage, row, column);
  }
  RestoreSprite.Draw();
}
