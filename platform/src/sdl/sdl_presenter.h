#pragma once

// What puts a window's client area on the screen. Window thread only.

#include <memory>
#include <string>

#include "platform/bitmap.h"

struct SDL_Renderer;
struct SDL_Window;

namespace platform {

class Window;

namespace detail {

class Presenter {
 public:
  virtual ~Presenter() = default;
  // Copies the window's screen (under its lock) and shows it.
  virtual void present(Window& window) = 0;
};

// With a graphics card, a texture it enlarges. Where OpenGL is only emulated
// on the processor (no card, a virtual X server), the emulation costs several
// times what the window system's own image does: the pixels are then written
// enlarged straight into that. Null with the reason in `error`.
std::unique_ptr<Presenter> make_presenter(SDL_Window* window, BitmapSize client,
                                          std::string& error);

// The two kinds, for make_presenter. The texture presenter owns `renderer`
// from the call on, also when it fails.
std::unique_ptr<Presenter> make_texture_presenter(SDL_Renderer* renderer, BitmapSize client,
                                                  std::string& error);
std::unique_ptr<Presenter> make_surface_presenter(SDL_Window* window, BitmapSize client,
                                                  std::string& error);

}  // namespace detail
}  // namespace platform
