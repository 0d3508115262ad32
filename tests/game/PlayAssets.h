#pragma once

// The game's images, sprites and effect sounds for the play tests. They can
// be set up only once per process, so the whole test program shares one set,
// on a simulated window with the game's own resources; every test starts
// from a known state of its own (a drawn stage, released keys).

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "KelvroResources.h"
#include "QelLib.h"
#include "SimFixture.h"
#include "assets/LoadAssets.h"
#include "assets/SharedObjects.h"
#include "loop/GameState.h"
#include "platform/sim.h"

inline bool GameAssetsReady() {
  static const bool ready = [] {
    platform::Instance* instance = platform::program_instance("kelvro", KelvroResources());
    platform::Window* window = MakeWindow(DefaultOnly, 640, 480, "play test", instance);
    return window != nullptr && LoadAssets(window) == 0;
  }();
  return ready;
}

inline void ReleaseAllKeys() {
  using platform::Key;
  for (Key key : {Key::left, Key::right, Key::up, Key::down, Key::space, Key::escape}) {
    platform::sim::set_key(key, false);
  }
}

// Holds the keys named by letters: F fire, L R U D arrows, E Escape.
inline void HoldKeys(const std::string& letters) {
  ReleaseAllKeys();
  using platform::Key;
  for (char letter : letters) {
    switch (letter) {
      case 'F':
        platform::sim::set_key(Key::space, true);
        break;
      case 'L':
        platform::sim::set_key(Key::left, true);
        break;
      case 'R':
        platform::sim::set_key(Key::right, true);
        break;
      case 'U':
        platform::sim::set_key(Key::up, true);
        break;
      case 'D':
        platform::sim::set_key(Key::down, true);
        break;
      case 'E':
        platform::sim::set_key(Key::escape, true);
        break;
      default:
        ADD_FAILURE() << "no key letter " << letter;
    }
  }
}

// The wave files that "play" commands were given since the log had
// `from` entries.
inline std::vector<std::string> SoundsPlayedSince(std::size_t from) {
  std::vector<std::string> played;
  const std::vector<platform::sim::WaveEvent> log = platform::sim::wave_log();
  for (std::size_t i = from; i < log.size(); ++i) {
    if (log[i].command == "play") played.push_back(log[i].file);
  }
  return played;
}

// A fixture with the shared assets set up, no key held, no joystick and
// the stage being played.
class PlayTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(GameAssetsReady());
    ReleaseAllKeys();
    platform::sim::unplug_joystick();
    GameState = GameStatePlaying;
  }
  void TearDown() override {
    ReleaseAllKeys();
    platform::sim::unplug_joystick();
  }
};

// --- Pixels ------------------------------------------------------------------

// Pixel (x, y) of an image, y from the top: blue, green, red.
inline const std::uint8_t* PixelOf(const QelImage& image, int x, int y) {
  return image.bits + (static_cast<std::size_t>(image.ps.height - 1 - y) * image.ps.width + x) * 3;
}

inline bool IsWhite(const std::uint8_t* pixel) {
  return pixel[0] == 255 && pixel[1] == 255 && pixel[2] == 255;
}

inline bool SamePixel(const std::uint8_t* a, const std::uint8_t* b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

// Whether the w x h block at (ax, ay) of `a` equals the one at (bx, by) of `b`.
inline bool SameBlock(const QelImage& a, int ax, int ay, const QelImage& b, int bx, int by, int w,
                      int h) {
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (!SamePixel(PixelOf(a, ax + x, ay + y), PixelOf(b, bx + x, by + y))) return false;
    }
  }
  return true;
}

inline bool SameImage(const QelImage& a, const QelImage& b) {
  return a.ps.width == b.ps.width && a.ps.height == b.ps.height &&
         SameBlock(a, 0, 0, b, 0, 0, a.ps.width, a.ps.height);
}

// The bytes of the w x h block at (x0, y0), row by row from the top.
inline std::vector<std::uint8_t> BlockBytes(const QelImage& image, int x0, int y0, int w, int h) {
  std::vector<std::uint8_t> bytes;
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      const std::uint8_t* p = PixelOf(image, x, y);
      bytes.insert(bytes.end(), p, p + 3);
    }
  }
  return bytes;
}

inline bool AllWhite(const QelImage& image, int x0, int y0, int w, int h) {
  for (int y = y0; y < y0 + h; ++y) {
    for (int x = x0; x < x0 + w; ++x) {
      if (!IsWhite(PixelOf(image, x, y))) return false;
    }
  }
  return true;
}
