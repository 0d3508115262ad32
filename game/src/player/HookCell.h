#pragma once

#include <cstdint>

// What the hook meets at (hookX, hookY) of the stage: the cell code of the
// map, or NoCellUnderHook when the point lies outside the 40 x 30 grid (the
// hook then flies on untested). Coordinates become cells by division toward
// zero, so -31 to 31 fall in column or row 0.
constexpr char NoCellUnderHook = '\0';
char CellUnderHook(std::int16_t stage, std::int16_t hookX, std::int16_t hookY);
