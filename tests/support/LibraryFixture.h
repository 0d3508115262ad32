#pragma once

// Tests of the media library on the simulated desktop, with the library's
// own state reset between tests.

#include <span>

#include "LibraryState.h"
#include "QelLib.h"
#include "SimFixture.h"
#include "platform/colour.h"
#include "platform/resources.h"

// Pixel (x, y) of an off-screen image as 0x00BBGGRR, straight from its store.
inline std::uint32_t PixelAt(const QelImage& image, int x, int y) {
  const std::uint8_t* p = image.bits + ((image.ps.height - 1 - y) * image.ps.width + x) * 3;
  return platform::make_colour(p[2], p[1], p[0]);
}

inline void PutPixel(QelImage& image, int x, int y, std::uint32_t colour) {
  std::uint8_t* p = image.bits + ((image.ps.height - 1 - y) * image.ps.width + x) * 3;
  p[0] = platform::blue_of(colour);
  p[1] = platform::green_of(colour);
  p[2] = platform::red_of(colour);
}

class LibraryTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    LibraryState = {};
  }

  // Binds `window` to a fresh window of the given outer size whose program
  // carries `resources`.
  bool BindWindow(QelImage& window, std::span<const platform::Resource> resources = {},
                  int width = 640, int height = 480) {
    platform::Instance* instance = platform::program_instance("library-test", resources);
    platform::Window* handle = MakeWindow(DefaultOnly, width, height, "library test", instance);
    return handle && window.SetWindow(handle) != nullptr;
  }
};
