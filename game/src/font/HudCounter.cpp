#include "font/HudCounter.h"

#include "assets/SharedObjects.h"
#include "font/DrawGlyphs.h"
#include "font/FontCells.h"

namespace {

constexpr std::int16_t LastDigitX = 144;

void RenderCount(std::int32_t count) {
  std::int16_t x = LastDigitX;
  do {
    DrawDigit(HudImage, x, 0, static_cast<std::int16_t>(count % 10), QelDrawCopy);
    count /= 10;
    x = static_cast<std::int16_t>(x - GlyphSize);
  } while (count > 0);
}

}  // namespace

void DrawHudCounter(std::int16_t value, std::int16_t x, std::int16_t y) {
  HudSprite.posRect.x = x;
  HudSprite.posRect.y = y;
  HudImage.Clear(255, 255, 255);
  RenderCount(static_cast<std::uint16_t>(value));
  HudSprite.Draw();
}
