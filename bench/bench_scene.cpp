#include "bench_scene.h"

#include "platform/backend.h"
#include "platform/window.h"

namespace qelbench {
namespace {

platform::MessageResult Procedure(platform::Window* window, platform::Message message,
                                  std::uintptr_t wparam, std::intptr_t lparam) {
  return platform::default_procedure(window, message, wparam, lparam);
}

platform::Window* MakeWindow() {
  platform::WindowClass windowClass;
  windowClass.procedure = Procedure;
  windowClass.class_name = "qel-draw-bench";
  if (!platform::register_class(windowClass)) return nullptr;
  platform::WindowParams params;
  params.class_name = "qel-draw-bench";
  params.title = "qel-draw-bench";
  params.style = platform::kStyleSystemMenu;
  params.width = 640;
  params.height = 480;
  return platform::create_window(params);
}

bool SetUp(Scene& scene) {
  platform::use_backend(platform::Backend::sim);
  platform::Window* window = MakeWindow();
  if (window == nullptr || scene.window.SetWindow(window) == nullptr) return false;
  if (!scene.world.Set(1280, 960) || !scene.view.Set(640, 460) || !scene.figure.Set(32, 64) ||
      !scene.counter.Set(160, 16) || !scene.logo.Set(600, 163)) {
    return false;
  }
  scene.world.Clear(90, 140, 200);
  PaintSprite(scene.figure);
  PaintSprite(scene.counter);
  PaintSprite(scene.logo);
  return true;
}

}  // namespace

void PaintSprite(QelImage& image) {
  const int width = image.ps.width;
  const int height = image.ps.height;
  // Semi-axes of 0.8 of the half sides: pi/4 * 0.64 of the area, about half.
  const double rx = 0.4 * width;
  const double ry = 0.4 * height;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const double dx = (x + 0.5 - width / 2.0) / rx;
      const double dy = (y + 0.5 - height / 2.0) / ry;
      std::uint8_t* p = image.bits + ((height - 1 - y) * width + x) * 3;
      const bool inside = dx * dx + dy * dy <= 1.0;
      p[0] = inside ? static_cast<std::uint8_t>(x * 7) : 255;
      p[1] = inside ? static_cast<std::uint8_t>(y * 5) : 255;
      p[2] = inside ? static_cast<std::uint8_t>(40 + (x + y) % 200) : 255;
    }
  }
}

Scene* TheScene() {
  static Scene scene;
  static const bool ready = SetUp(scene);
  return ready ? &scene : nullptr;
}

}  // namespace qelbench
