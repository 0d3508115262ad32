#include "reference_blit.h"

#include <SDL.h>

namespace platform::sdl_reference {

class Surface {
 public:
  SDL_Surface* sdl = nullptr;
};

Surface* wrap_pixels(std::uint8_t* pixels, int width, int height) {
  SDL_Surface* sdl = SDL_CreateRGBSurfaceWithFormatFrom(pixels, width, height, 24, width * 3,
                                                        SDL_PIXELFORMAT_BGR24);
  if (sdl == nullptr) return nullptr;
  return new Surface{sdl};
}

bool set_white_key(Surface* surface, bool run_length) {
  const Uint32 white = SDL_MapRGB(surface->sdl->format, 255, 255, 255);
  if (SDL_SetColorKey(surface->sdl, SDL_TRUE, white) != 0) return false;
  return SDL_SetSurfaceRLE(surface->sdl, run_length ? 1 : 0) == 0;
}

bool set_alpha_blend(Surface* surface, std::uint8_t alpha) {
  // Without the blend mode SDL ignores the modulation of a surface that has
  // no alpha channel.
  return SDL_SetSurfaceAlphaMod(surface->sdl, alpha) == 0 &&
         SDL_SetSurfaceBlendMode(surface->sdl, SDL_BLENDMODE_BLEND) == 0;
}

bool blit(Surface* source, int source_x, int source_y, int width, int height, Surface* destination,
          int x, int y) {
  SDL_Rect from = {source_x, source_y, width, height};
  SDL_Rect to = {x, y, width, height};
  return SDL_BlitSurface(source->sdl, &from, destination->sdl, &to) == 0;
}

void destroy_surface(Surface* surface) {
  if (surface == nullptr) return;
  SDL_FreeSurface(surface->sdl);
  delete surface;
}

}  // namespace platform::sdl_reference
