#pragma once

#include <cstdint>

// The frame counter shown while a stage is played: renders the value in
// decimal into HudImage, right-aligned (its last digit at x 144 to 159), and
// draws HudSprite with the colour key into WorldImage with its top-left
// corner at (x, y). A count that has run past 32767 and wrapped negative goes
// on as the unsigned number it has counted to, 32768 to 65535.
void DrawHudCounter(std::int16_t value, std::int16_t x, std::int16_t y);
