#include "sdl/sdl_presenter.h"

#include <SDL.h>

#include <array>
#include <cstring>
#include <string_view>

namespace platform::detail {
namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // glGetString's name for the rasterizer

// Mesa's rasterizers that run on the processor.
bool is_software_gl(std::string_view name) {
  constexpr std::array<std::string_view, 4> kEmulations{"llvmpipe", "softpipe",
                                                        "Software Rasterizer", "swrast"};
  for (std::string_view emulation : kEmulations) {
    if (name.find(emulation) != std::string_view::npos) return true;
  }
  return false;
}

// Whether a renderer draws with OpenGL emulated on the processor. Its
// context is the current one right after the renderer was made.
bool emulated(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || std::strncmp(info.name, "opengl", 6) != 0 ||
      SDL_GL_GetCurrentContext() == nullptr) {
    return false;
  }
  using GetString = const unsigned char* (*)(unsigned name);
  auto get_string = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = get_string ? get_string(kGlRenderer) : nullptr;
  return name != nullptr && is_software_gl(reinterpret_cast<const char*>(name));
}

// SDL's best renderer for the window when it runs on a graphics card.
SDL_Renderer* card_renderer(SDL_Window* window) {
  SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
  if (renderer != nullptr && emulated(renderer)) {
    SDL_DestroyRenderer(renderer);
    renderer = nullptr;
  }
  return renderer;
}

}  // namespace

std::unique_ptr<Presenter> make_presenter(SDL_Window* window, BitmapSize client,
                                          std::string& error) {
  if (SDL_Renderer* renderer = card_renderer(window)) {
    if (auto presenter = make_texture_presenter(renderer, client, error)) return presenter;
  }
  return make_surface_presenter(window, client, error);
}

}  // namespace platform::detail
