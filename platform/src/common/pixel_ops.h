#pragma once

// The pixel work behind the drawing calls, on raw 24-bit surfaces in the
// layout of bitmap.h. Every operation clips against the surfaces it is given,
// in 64-bit arithmetic, so any int rectangle or point is safe: nothing outside
// a surface is read or written. Each returns whether it wrote any pixel, so
// that a window is told about a change only when there was one.

#include <cstdint>

#include "platform/colour.h"

namespace platform::detail {

// A surface to draw into or read from. A view with null bits or a side of 0
// or less has no pixels: drawing into it or from it does nothing.
struct SurfaceView {
  std::uint8_t* bits = nullptr;
  int width = 0;
  int height = 0;
};

// Same-size copy: destination pixel (x + j, y + i) takes source pixel
// (source_x + j, source_y + i). One memcpy a row; when both views are the same
// surface, the result is that of copying through a temporary.
bool copy_pixels(const SurfaceView& destination, int x, int y, int width, int height,
                 const SurfaceView& source, int source_x, int source_y);

// Nearest-neighbour scaled copy: destination pixel (x + j, y + i) takes source
// pixel (source_x + j * source_width / width, source_y + i * source_height / height).
// Any size of 0 or less copies nothing.
bool stretch_pixels(const SurfaceView& destination, int x, int y, int width, int height,
                    const SurfaceView& source, int source_x, int source_y, int source_width,
                    int source_height);

// Fills left <= x < right, top <= y < bottom.
bool fill_pixels(const SurfaceView& destination, int left, int top, int right, int bottom,
                 Colour colour);

// A line one pixel wide from (x0, y0) up to, and not including, (x1, y1). The
// pixels are those of the whole line, whatever part of it falls outside.
bool line_pixels(const SurfaceView& destination, int x0, int y0, int x1, int y1, Colour colour);

}  // namespace platform::detail
