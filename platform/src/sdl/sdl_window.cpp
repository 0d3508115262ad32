#include "sdl/sdl_window.h"

#include <SDL.h>

#include "common/window_internal.h"
#include "sdl/view_scale.h"

namespace platform::detail {
namespace {

// The desktop area, less panels and docks, of the display the window opens on.
BitmapSize usable_space(int x, int y) {
  const SDL_Point corner{x, y};
  const int display = SDL_GetPointDisplayIndex(&corner);
  SDL_Rect bounds{};
  if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &bounds) != 0) return {};
  return {bounds.w, bounds.h};
}

}  // namespace

void SdlWindow::DestroyWindow::operator()(SDL_Window* window) const {
  SDL_DestroyWindow(window);
}

std::unique_ptr<SdlWindow> SdlWindow::create(const Window& window, std::string& error) {
  std::unique_ptr<SdlWindow> made(new SdlWindow);
  const int scale = whole_scale(usable_space(window.x, window.y), window.client);
  // Not resizable: the window keeps the size of its scale.
  made->window_.reset(SDL_CreateWindow(window.title.c_str(), window.x, window.y,
                                       window.client.width * scale, window.client.height * scale,
                                       SDL_WINDOW_HIDDEN));
  if (!made->window_) {
    error = SDL_GetError();
    return nullptr;
  }
  made->presenter_ = make_presenter(made->window_.get(), window.client, error);
  if (!made->presenter_) return nullptr;
  made->id_ = SDL_GetWindowID(made->window_.get());
  return made;
}

SdlWindow::~SdlWindow() {
  // Off the screen at once, before the slower teardown of what presents it.
  if (window_) SDL_HideWindow(window_.get());
}

void SdlWindow::show(bool visible) {
  if (visible) {
    SDL_ShowWindow(window_.get());
  } else {
    SDL_HideWindow(window_.get());
  }
}

}  // namespace platform::detail
