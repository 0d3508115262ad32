#pragma once

#include <cstdint>

// Paints every cell of the stage into StageImage, then copies StageImage over
// WorldImage. A stage index outside 0 to 5 draws nothing.
void DrawStage(std::int16_t stage);
