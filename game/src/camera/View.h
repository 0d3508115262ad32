#pragma once

#include <cstdint>

#include "player/RopePlayer.h"

// The world position of the 640 x 460 view's top-left corner. It follows the
// player in proportion rather than centring on it: as the player's x runs
// over 0 to 1248 and its y over 0 to 896, the origin runs over 0 to 640 and
// 0 to 500, and it never leaves that range.
struct ViewOrigin {
  std::int32_t x;
  std::int32_t y;
};
ViewOrigin ViewOriginFor(float x, float y);

// Copies the 160 x 16 patch at which the frame counter was last drawn back
// from StageImage into WorldImage.
void EraseHud();

// Moves the view to the player, draws the frame count into its top-left
// corner and copies the view to the window.
void UpdateView(RopePlayer player, std::int16_t frameCount);
