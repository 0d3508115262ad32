#pragma once

// The images the drawing benchmark works on, in the game's sizes, set up on
// the simulated desktop: a 1280 x 960 world, a 640 x 460 view, and sprite
// sources of the sizes of the player figure, the frame counter and the title
// logo. Every source is half white (transparent) and half coloured.

#include <cstdint>

#include "QelLib.h"

namespace qelbench {

struct Scene {
  QelImage window;
  QelImage world;
  QelImage view;
  QelImage figure;   // 32 x 64
  QelImage counter;  // 160 x 16
  QelImage logo;     // 600 x 163
};

// Built on first use; null when the simulated desktop cannot be set up.
Scene* TheScene();

// A filled ellipse of colours over a white ground; the ellipse covers half
// of the image.
void PaintSprite(QelImage& image);

}  // namespace qelbench
