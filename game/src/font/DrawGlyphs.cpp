#include "font/DrawGlyphs.h"

#include "assets/SharedObjects.h"
#include "font/FontCells.h"

namespace {

constexpr char LineEnd = '\n';

// Re-binds the glyph sprite on every call: its destination is this call's
// copy of the image, and nothing else of it carries over between calls.
void DrawCell(QelSprite& sprite, QelImage& destination, std::int16_t x, std::int16_t y,
              FontCell cell, QelDrawType type) {
  _QelPS glyph = {0, 0, GlyphSize, GlyphSize};
  sprite.Set(type, &FontSheet, &glyph, &destination, 1.0f, 0);
  sprite.srcRect.x = cell.x;
  sprite.srcRect.y = cell.y;
  sprite.posRect.x = x;
  sprite.posRect.y = y;
  sprite.Draw();
}

}  // namespace

void DrawDigit(QelImage destination, std::int16_t x, std::int16_t y, std::int16_t digit,
               QelDrawType type) {
  DrawCell(DigitSprite(), destination, x, y, DigitCell(digit), type);
}

void DrawChar(QelImage destination, std::int16_t x, std::int16_t y, std::int8_t character,
              QelDrawType type) {
  DrawCell(CharSprite(), destination, x, y, CharCell(character), type);
}

void DrawString(QelImage destination, std::int16_t x, std::int16_t y, const char* text,
                QelDrawType type) {
  // The end of the string ends the text too: a text without '\n' must not
  // make us read past it.
  for (const char* c = text; *c != LineEnd && *c != '\0'; ++c) {
    DrawChar(destination, x, y, static_cast<std::int8_t>(*c), type);
    x = static_cast<std::int16_t>(x + GlyphSize);
  }
}
