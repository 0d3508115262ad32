#include "screens/TiledBackground.h"

#include "assets/SharedObjects.h"

void PaintTiledBackground(const _QelPS& tile) {
  for (std::int16_t row = 0; row < 30; ++row) {
    for (std::int16_t column = 0; column < 20; ++column) {
      const _QelPS place = {static_cast<std::int16_t>(32 * row),
                            static_cast<std::int16_t>(32 * column), 32, 32};
      TileSheet.Draw(QelDrawCopy, tile, &StageImage, place, 1.0f, 0);
    }
  }
  const _QelPS leftHalf = {0, 0, 960, 640};
  StageImage.Draw(QelDrawCopy, leftHalf, &WorldImage, leftHalf, 1.0f, 0);
}
