#pragma once

#include <cstdint>

#include "QelLib.h"

// Text from the 16 x 16 cells of FontSheet. The destination comes as a copy
// of the caller's image, which shares its surface: what is drawn through the
// copy lands in the caller's image. QelDrawCopy paints whole cells, white
// included; QelDrawTrans leaves the destination under white pixels alone.

// The top-row cell at x 16 * digit, with its top-left corner at (x, y).
void DrawDigit(QelImage destination, std::int16_t x, std::int16_t y, std::int16_t digit,
               QelDrawType type);

// One character: digits, capitals, or the blank cell for anything else.
void DrawChar(QelImage destination, std::int16_t x, std::int16_t y, std::int8_t character,
              QelDrawType type);

// The characters up to the first '\n', or up to the end of the string if it
// comes first, one cell every 16 pixels to the right of (x, y).
void DrawString(QelImage destination, std::int16_t x, std::int16_t y, const char* text,
                QelDrawType type);
