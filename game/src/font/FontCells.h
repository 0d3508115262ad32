#pragma once

#include <cstdint>

// Where the glyphs lie in FontSheet: 16 x 16 cells, the digits 0 to 9 in the
// top row at x 16d, the capitals A to Z in the second row at x 16 (L - 'A'),
// and a blank cell at x 160 of the top row for everything else.
constexpr std::int16_t GlyphSize = 16;
constexpr std::int16_t BlankCellX = 160;

struct FontCell {
  std::int16_t x;
  std::int16_t y;
};

// The top-row cell at x = 16 * digit. The digit is not range-tested: 10 to 25
// select blank cells.
inline FontCell DigitCell(std::int16_t digit) {
  return {static_cast<std::int16_t>(GlyphSize * digit), 0};
}

// The cell of a character. Bytes from 0x80 up count as negative and, like
// lower case, space and control characters, get the blank cell.
FontCell CharCell(std::int8_t character);
