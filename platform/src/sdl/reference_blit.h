#pragma once

// SDL's own blits on our 24-bit pixel buffers, as the yardstick the drawing
// benchmark measures the media library against. Only the benchmark links
// this; nothing here is part of the platform the game and library use.

#include <cstdint>

namespace platform::sdl_reference {

// A view of a pixel buffer of ours: 3 bytes a pixel (blue, green, red), rows
// of exactly width * 3 bytes. The buffer must outlive the surface.
class Surface;

Surface* wrap_pixels(std::uint8_t* pixels, int width, int height);

// Pure white becomes transparent; `run_length` asks for the run-length
// encoded key, which SDL builds on the first blit.
bool set_white_key(Surface* surface, bool run_length);

// The surface is blended with the given alpha when blitted.
bool set_alpha_blend(Surface* surface, std::uint8_t alpha);

// Blits the width x height rectangle at (source_x, source_y) of `source` to
// (x, y) of `destination`.
bool blit(Surface* source, int source_x, int source_y, int width, int height, Surface* destination,
          int x, int y);

void destroy_surface(Surface* surface);

}  // namespace platform::sdl_reference
