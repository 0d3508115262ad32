#include "font/FontCells.h"

FontCell CharCell(std::int8_t character) {
  if (character >= '0' && character <= '9') {
    return {static_cast<std::int16_t>(GlyphSize * (character - '0')), 0};
  }
  if (character >= 'A' && character <= 'Z') {
    return {static_cast<std::int16_t>(GlyphSize * (character - 'A')), GlyphSize};
  }
  return {BlankCellX, 0};
}
