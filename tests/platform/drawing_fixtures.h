#pragma once

// Small surfaces for the drawing tests. Every context needs another to be
// compatible with, so the tests start from the context of one simulated
// window; the sim backend is selected by the test program's main.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"
#include "platform/draw.h"
#include "platform/window.h"

namespace drawing_test {

constexpr int kWindowWidth = 40;
constexpr int kWindowHeight = 24;  // client area

inline platform::MessageResult test_window_procedure(platform::Window* window,
                                                     platform::Message message,
                                                     std::uintptr_t wparam, std::intptr_t lparam) {
  return platform::default_procedure(window, message, wparam, lparam);
}

// The one window of the test program, created on first use.
inline platform::Window* test_window() {
  static platform::Window* window = [] {
    platform::WindowClass window_class;
    window_class.procedure = test_window_procedure;
    window_class.class_name = "drawing-tests";
    EXPECT_TRUE(platform::register_class(window_class));
    platform::WindowParams params;
    params.class_name = "drawing-tests";
    params.width = kWindowWidth;
    params.height = kWindowHeight + platform::kCaptionHeight;
    return platform::create_window(params);
  }();
  return window;
}

inline platform::DrawContext* screen_context() {
  return platform::window_context(test_window());
}

// Byte offset of pixel (x, y) in the platform layout.
inline std::size_t pixel_offset(int width, int height, int x, int y) {
  return (static_cast<std::size_t>(height - 1 - y) * width + x) * 3;
}

// A memory context with a bitmap of its own, released at the end of the test.
class Canvas {
 public:
  Canvas(int width, int height) : width_(width), height_(height) {
    context_ = platform::create_memory_context(screen_context());
    bitmap_ = platform::create_pixel_section(width, height, &bits_);
    EXPECT_NE(platform::select_bitmap(context_, bitmap_), nullptr);
  }
  ~Canvas() {
    platform::delete_context(context_);
    platform::delete_bitmap(bitmap_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Every pixel a different colour, so that a pixel from the wrong place shows.
  void fill_with_pattern(int seed) {
    for (std::size_t i = 0; i < bytes(); ++i) {
      bits_[i] = static_cast<std::uint8_t>(i * 7 + static_cast<std::size_t>(seed) * 31 + 1);
    }
  }

  platform::Colour pixel(int x, int y) const {
    const std::uint8_t* p = bits_ + pixel_offset(width_, height_, x, y);
    return platform::make_colour(p[2], p[1], p[0]);
  }

  std::vector<std::uint8_t> snapshot() const { return {bits_, bits_ + bytes()}; }

  platform::DrawContext* context() const { return context_; }
  platform::Bitmap* bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }

 private:
  std::size_t bytes() const { return static_cast<std::size_t>(width_) * height_ * 3; }

  int width_;
  int height_;
  platform::DrawContext* context_ = nullptr;
  platform::Bitmap* bitmap_ = nullptr;
  std::uint8_t* bits_ = nullptr;
};

// A picture in the platform layout with its size, for the slow references.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;

  static Picture of(const Canvas& canvas) {
    return {canvas.width(), canvas.height(), canvas.snapshot()};
  }
  bool contains(std::int64_t x, std::int64_t y) const {
    return x >= 0 && y >= 0 && x < width && y < height;
  }
  std::uint8_t* at(std::int64_t x, std::int64_t y) {
    return bytes.data() + pixel_offset(width, height, static_cast<int>(x), static_cast<int>(y));
  }
  const std::uint8_t* at(std::int64_t x, std::int64_t y) const {
    return bytes.data() + pixel_offset(width, height, static_cast<int>(x), static_cast<int>(y));
  }
};

// Compares two pictures and names the first pixel that differs.
inline testing::AssertionResult same_pixels(const Picture& got, const Picture& want) {
  if (got.width != want.width || got.height != want.height) {
    return testing::AssertionFailure() << "sizes differ";
  }
  for (int y = 0; y < got.height; ++y) {
    for (int x = 0; x < got.width; ++x) {
      if (std::memcmp(got.at(x, y), want.at(x, y), 3) != 0) {
        char text[96];
        std::snprintf(text, sizeof text, "pixel (%d, %d) is %02x%02x%02x, expected %02x%02x%02x", x,
                      y, got.at(x, y)[2], got.at(x, y)[1], got.at(x, y)[0], want.at(x, y)[2],
                      want.at(x, y)[1], want.at(x, y)[0]);
        return testing::AssertionFailure() << text << " (bytes red, green, blue)";
      }
    }
  }
  return testing::AssertionSuccess();
}

}  // namespace drawing_test
