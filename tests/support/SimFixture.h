#pragma once

#include <gtest/gtest.h>

#include "platform/sim.h"
#include "platform/window.h"

// A fresh simulated desktop for every test.
class SimTest : public testing::Test {
 protected:
  void SetUp() override { platform::sim::reset(); }
  void TearDown() override { platform::sim::reset(); }
};

// A procedure that hands everything to the default one.
inline platform::MessageResult DefaultOnly(platform::Window* window, platform::Message message,
                                           std::uintptr_t wparam, std::intptr_t lparam) {
  return platform::default_procedure(window, message, wparam, lparam);
}

// Registers a class of the given name and creates a window of the given outer
// size with it; null when either fails.
inline platform::Window* MakeWindow(platform::WindowProcedure procedure = DefaultOnly,
                                    int width = 640, int height = 480,
                                    const char* class_name = "test window",
                                    platform::Instance* instance = nullptr) {
  platform::WindowClass window_class;
  window_class.procedure = procedure;
  window_class.class_name = class_name;
  platform::register_class(window_class);
  platform::WindowParams params;
  params.class_name = class_name;
  params.title = "test";
  params.style = platform::kStyleSystemMenu;
  params.width = width;
  params.height = height;
  params.instance = instance;
  return platform::create_window(params);
}
