#pragma once

#include "QelLib.h"

// The background of the title and the ending: the 32 x 32 cell `tile` of
// TileSheet repeated over the left 640 x 960 of StageImage, and copied to the
// same place in WorldImage. As the screens scroll by whole multiples of 32,
// the pattern never jumps.
void PaintTiledBackground(const _QelPS& tile);
