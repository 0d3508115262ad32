#include "player/HookCell.h"

#include "stage/StageMaps.h"

namespace {

bool InGrid(int column, int row) {
  return column >= 0 && column < StageColumns && row >= 0 && row < StageRows;
}

}  // namespace

char CellUnderHook(std::int16_t stage, std::int16_t hookX, std::int16_t hookY) {
  // Integer division truncates toward zero, as the cell test needs.
  const int column = hookX / CellSize;
  const int row = hookY / CellSize;
  if (!InGrid(column, row)) return NoCellUnderHook;
  // A stage the map does not have holds nothing to catch on.
  if (stage < 0 || stage >= StageCount) return NoCellUnderHook;
  return StageCell(stage, row, column);
}
