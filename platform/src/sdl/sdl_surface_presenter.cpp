// Presenting without a graphics card: the client area is written enlarged
// straight into the window system's image of the window (shared memory on
// X11), which SDL then hands to the server. One pass over the pixels.

#include <SDL.h>

#include <memory>
#include <mutex>
#include <vector>

#include "common/window_internal.h"
#include "sdl/screen_pixels.h"
#include "sdl/sdl_presenter.h"
#include "sdl/view_scale.h"

namespace platform::detail {
namespace {

// The layout write_screen produces: 0xXXRRGGBB words.
bool takes_our_pixels(const SDL_Surface* surface) {
  const SDL_PixelFormat* format = surface->format;
  return format->BytesPerPixel == 4 && format->Rmask == 0xFF0000 && format->Gmask == 0xFF00 &&
         format->Bmask == 0xFF;
}

class SurfacePresenter final : public Presenter {
 public:
  SurfacePresenter(SDL_Window* window, BitmapSize client) : window_(window), client_(client) {}

  void present(Window& window) override {
    // Asked for every time: SDL makes a new one when the window's size changed.
    SDL_Surface* surface = SDL_GetWindowSurface(window_);
    if (surface == nullptr) return;
    const ViewRect view = view_rect({surface->w, surface->h}, client_);
    if (takes_our_pixels(surface)) {
      draw(window, surface, view);
    } else {
      draw_converted(window, surface, view);
    }
    SDL_UpdateWindowSurface(window_);
  }

 private:
  void draw(Window& window, SDL_Surface* surface, ViewRect view) {
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return;
    if (view.width < surface->w || view.height < surface->h) {
      SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    }
    const PixelTarget target{
        static_cast<std::uint8_t*>(surface->pixels), surface->pitch, {surface->w, surface->h}};
    {
      std::lock_guard lock(window.screen_lock);
      if (window.screen != nullptr) {
        write_screen(*window.screen, view.width / client_.width, view.x, view.y, target, row_);
      }
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
  }

  // A window system whose image has another layout: our pixels at their own
  // size, then SDL converts while it enlarges.
  void draw_converted(Window& window, SDL_Surface* surface, ViewRect view) {
    if (!own_pixels_) {
      own_pixels_.reset(SDL_CreateRGBSurfaceWithFormat(0, client_.width, client_.height, 32,
                                                       SDL_PIXELFORMAT_XRGB8888));
      if (!own_pixels_) return;
    }
    const PixelTarget target{static_cast<std::uint8_t*>(own_pixels_->pixels), own_pixels_->pitch,
                             client_};
    {
      std::lock_guard lock(window.screen_lock);
      if (window.screen != nullptr) write_screen(*window.screen, 1, 0, 0, target, row_);
    }
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 0, 0, 0));
    SDL_Rect place{view.x, view.y, view.width, view.height};
    SDL_BlitScaled(own_pixels_.get(), nullptr, surface, &place);
  }

  struct FreeSurface {
    void operator()(SDL_Surface* surface) const { SDL_FreeSurface(surface); }
  };

  SDL_Window* window_;  // owned by SdlWindow, which outlives this
  BitmapSize client_;
  std::vector<std::uint32_t> row_;
  std::unique_ptr<SDL_Surface, FreeSurface> own_pixels_;
};

}  // namespace

std::unique_ptr<Presenter> make_surface_presenter(SDL_Window* window, BitmapSize client,
                                                  std::string& error) {
  // The window system's own image, not one SDL emulates through OpenGL.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_GetWindowSurface(window) == nullptr) {
    error = SDL_GetError();
    return nullptr;
  }
  return std::make_unique<SurfacePresenter>(window, client);
}

}  // namespace platform::detail
