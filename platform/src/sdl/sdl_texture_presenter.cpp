// Presenting on a graphics card: the client area goes into a streaming
// texture at its own size, and the card enlarges it into the window.

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

struct DestroyRenderer {
  void operator()(SDL_Renderer* renderer) const { SDL_DestroyRenderer(renderer); }
};
struct DestroyTexture {
  void operator()(SDL_Texture* texture) const { SDL_DestroyTexture(texture); }
};

class TexturePresenter final : public Presenter {
 public:
  TexturePresenter(SDL_Renderer* renderer, BitmapSize client)
      : renderer_(renderer), client_(client) {}

  bool make_texture() {
    // 32-bit pixels, which renderers draw from without converting.
    texture_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_XRGB8888,
                                     SDL_TEXTUREACCESS_STREAMING, client_.width, client_.height));
    if (!texture_) return false;
    // Blocks of whole pixels: never blend neighbours when enlarging.
    SDL_SetTextureScaleMode(texture_.get(), SDL_ScaleModeNearest);
    return true;
  }

  void present(Window& window) override {
    upload(window);
    int width = 0;
    int height = 0;
    SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
    const ViewRect view = view_rect({width, height}, client_);
    const SDL_Rect place{view.x, view.y, view.width, view.height};
    SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, 255);
    SDL_RenderClear(renderer_.get());
    SDL_RenderCopy(renderer_.get(), texture_.get(), nullptr, &place);
    SDL_RenderPresent(renderer_.get());
  }

 private:
  void upload(Window& window) {
    PixelTarget target;
    void* pixels = nullptr;
    if (SDL_LockTexture(texture_.get(), nullptr, &pixels, &target.pitch) != 0) return;
    target.pixels = static_cast<std::uint8_t*>(pixels);
    target.size = client_;
    {
      std::lock_guard lock(window.screen_lock);
      if (window.screen != nullptr) write_screen(*window.screen, 1, 0, 0, target, row_);
    }
    SDL_UnlockTexture(texture_.get());
  }

  // Declared in the order of creation, destroyed in reverse.
  std::unique_ptr<SDL_Renderer, DestroyRenderer> renderer_;
  std::unique_ptr<SDL_Texture, DestroyTexture> texture_;
  BitmapSize client_;
  std::vector<std::uint32_t> row_;
};

}  // namespace

std::unique_ptr<Presenter> make_texture_presenter(SDL_Renderer* renderer, BitmapSize client,
                                                  std::string& error) {
  auto presenter = std::make_unique<TexturePresenter>(renderer, client);
  if (!presenter->make_texture()) {
    error = SDL_GetError();
    return nullptr;
  }
  return presenter;
}

}  // namespace platform::detail
