#pragma once

// One window on the desktop: the SDL window and what presents its client
// area. Used on the window thread only.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "sdl/sdl_presenter.h"

struct SDL_Window;

namespace platform {

class Window;

namespace detail {

class SdlWindow {
 public:
  // The window hidden, at the largest whole-number scale that fits the
  // desktop. Null with SDL's reason in `error`.
  static std::unique_ptr<SdlWindow> create(const Window& window, std::string& error);

  ~SdlWindow();
  SdlWindow(const SdlWindow&) = delete;
  SdlWindow& operator=(const SdlWindow&) = delete;

  std::uint32_t id() const { return id_; }
  void show(bool visible);

  // Copies the client area's pixels (under the window's screen lock) and puts
  // them on the screen.
  void present(Window& window) { presenter_->present(window); }

 private:
  struct DestroyWindow {
    void operator()(SDL_Window* window) const;
  };

  SdlWindow() = default;

  // Declared in the order of creation, destroyed in reverse.
  std::unique_ptr<SDL_Window, DestroyWindow> window_;
  std::unique_ptr<Presenter> presenter_;
  std::uint32_t id_ = 0;
};

}  // namespace detail
}  // namespace platform
