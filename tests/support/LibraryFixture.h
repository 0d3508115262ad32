#pragma once

// Tests of the media library on the simulated desktop, with the library's
// own state reset between tests.

#include <span>

#include "LibraryState.h"
#include "QelLib.h"
#include "SimFixture.h"
#include "platform/resources.h"

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
