#pragma once

#include "platform/bitmap.h"
#include "platform/colour.h"

namespace platform {

class Window;

// A drawing context: the target of the drawing calls below. A memory context
// draws into the bitmap selected into it; a window context draws into the
// window's client area, and what is drawn there is on the screen when the
// call returns (the backend presents it).
//
// Every call is memory-safe for any rectangle: only pixels that lie inside
// both surfaces are read or written; a pixel whose source lies outside the
// source surface leaves its destination unchanged. A window whose screen is
// gone draws nothing. Drawing into a window's context locks the window's
// screen for the call, and the window is told of the change afterwards.
// The drawing calls return false only for a null context: a call that
// clips to nothing has still done all it was asked.
//
// Creating, selecting and deleting are safe from any thread. A memory context
// and its bitmap are drawn with by one thread at a time (the platform does not
// lock them); a window's screen is locked by every call that touches it.
class DrawContext;

// A new memory context. It starts with the platform's 1 x 1 black stock
// bitmap selected, as a placeholder that is never drawn into: drawing into a
// context that holds it changes nothing, reading from it reads black. Null
// when `compatible_with` is null or not a live context.
DrawContext* create_memory_context(DrawContext* compatible_with);

// The context of a window's client area; the same context for every call on
// the same window. Null for null or a window that was never created.
DrawContext* window_context(Window* window);

// Selects `bitmap` into a memory context and returns the bitmap it displaces
// (the bitmap itself when it is already selected there). The stock bitmap may
// be selected back into any number of contexts. Null (and nothing changes)
// when either is null, the context is a window context, or the bitmap is
// selected into another context.
Bitmap* select_bitmap(DrawContext* context, Bitmap* bitmap);

// Releases a memory context; the bitmap selected into it stays, and may then
// be selected elsewhere or deleted. False for null and for window contexts.
bool delete_context(DrawContext* context);

// Size of what a context draws into: its selected bitmap or the client area.
BitmapSize context_size(const DrawContext* context);

// Same-size copy of the source rectangle at (source_x, source_y) to the
// destination rectangle at (x, y). A width or height of 0 or less copies
// nothing. Within one bitmap, overlapping rectangles copy as if through a
// temporary.
bool copy_rect(DrawContext* destination, int x, int y, int width, int height, DrawContext* source,
               int source_x, int source_y);

// Scaled copy with nearest-neighbour sampling: destination pixel (x + j, y + i)
// takes source pixel (source_x + j * source_width / width,
// source_y + i * source_height / height), in 64-bit arithmetic. Sizes of 0
// or less copy nothing (there is no mirroring). Within one bitmap it reads
// the source as it was before the call.
bool stretch_rect(DrawContext* destination, int x, int y, int width, int height,
                  DrawContext* source, int source_x, int source_y, int source_width,
                  int source_height);

// Fills left <= x < right, top <= y < bottom with a solid colour.
bool fill_rect(DrawContext* context, int left, int top, int right, int bottom, Colour colour);

// A solid line one pixel wide from (x0, y0) up to, and not including, (x1, y1).
bool draw_line(DrawContext* context, int x0, int y0, int x1, int y1, Colour colour);

}  // namespace platform
