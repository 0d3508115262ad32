#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

#include "platform/window.h"

namespace platform {

class Bitmap;

// The object behind a Window handle. Window objects are never freed before
// the end of the process, so a handle stays safe to test with is_window().
class Window {
 public:
  std::string class_name;
  std::string title;
  WindowProcedure procedure = nullptr;
  Instance* instance = nullptr;
  std::uint32_t style = 0;
  int x = 0;
  int y = 0;
  BitmapSize client;  // fixed at creation
  Colour background = kWhite;

  // The client area's pixels, in the layout of bitmap.h, guarded by screen_lock.
  Bitmap* screen = nullptr;
  std::mutex screen_lock;

  std::thread::id owner;  // the thread whose message loop serves the window
  std::atomic<bool> alive{false};
  std::atomic<bool> destroying{false};  // from the start of destroy_window on

  // Whatever the backend keeps for the window (the real window, say).
  void* backend_data = nullptr;
};

}  // namespace platform
