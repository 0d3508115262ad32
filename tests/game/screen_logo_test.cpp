// The logo splash, called directly on a window with a 640 x 480 client area
// (outer 640 x 500), where the face stands at (256, 30) and the emblem at
// (80, 250).

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "KelvroResources.h"
#include "QelLib.h"
#include "ScreenChild.h"
#include "ScreenMatch.h"
#include "platform/sim.h"

namespace {

constexpr int kFaceX = 256, kFaceY = 30, kFaceWidth = 128, kFaceHeight = 200;
constexpr int kEmblemX = 80, kEmblemY = 250, kEmblemWidth = 480, kEmblemHeight = 178;

// What the window shows with the swoosh wiped in over its left `wipe`
// columns and face `face` up.
platform::Colour SplashPixel(int x, int y, int wipe, int face) {
  static const Picture faces = GameBitmap("QELFACE");
  static const Picture logo = GameBitmap("QELLOGO");
  if (Area{kFaceX, kFaceY, kFaceWidth, kFaceHeight}.Holds(x, y)) {
    return faces.At(face * kFaceWidth + x - kFaceX, y - kFaceY);
  }
  if (Area{kEmblemX, kEmblemY, kEmblemWidth, kEmblemHeight}.Holds(x, y)) {
    const int lx = x - kEmblemX, ly = y - kEmblemY;
    const platform::Colour swoosh = logo.At(lx, kEmblemHeight + ly);
    return lx < wipe && swoosh != kWhitePixel ? swoosh : logo.At(lx, ly);
  }
  return kWhitePixel;
}

int PixelsOffSplash(const Picture& screen, int wipe, int face) {
  int off = 0;
  for (int y = 0; y < screen.height; ++y) {
    for (int x = 0; x < screen.width; ++x) {
      if (screen.At(x, y) != SplashPixel(x, y, wipe, face)) ++off;
    }
  }
  return off;
}

bool BindWindow(ChildChecks& checks, QelImage& window,
                std::span<const platform::Resource> resources) {
  platform::Instance* instance = platform::program_instance("kelvro", resources);
  platform::Window* handle = MakeWindow(DefaultOnly, 640, 500, "logo test", instance);
  return checks.Expect(handle && window.SetWindow(handle), "the window image is bound") &&
         checks.ExpectEq(window.ps.height, 480, "client height");
}

struct SplashMoment {
  std::uint32_t at;  // virtual time; nothing was paced before the splash
  int wipe;
  int face;
};

// The wipe steps are drawn 10 ms apart from time 0 (the first has nothing to
// wait for), the faces from 960: 1, 0, 1, 0 for 70 ms each, the fourth held
// 200 ms more, then 2 and 3; the splash ends 500 ms after the last face.
TEST(LogoSplashTest, WipesTheSwooshInAndChangesFacesEndingOnFaceThree) {
  ExpectChildPassed(RunInChild([](ChildChecks& checks) {
    QelImage window;
    if (!BindWindow(checks, window, KelvroResources())) return;
    const SplashMoment moments[] = {
        {475, 240, 0},  {1000, 480, 1}, {1050, 480, 0}, {1120, 480, 1},
        {1300, 480, 0}, {1480, 480, 2}, {1600, 480, 3},
    };
    for (const SplashMoment& m : moments) {
      platform::sim::schedule(m.at, [&checks, m] {
        checks.ExpectEq(PixelsOffSplash(CurrentScreen(), m.wipe, m.face), 0,
                        "pixels off the splash at " + std::to_string(m.at));
      });
    }
    QelLogo(&window);
    checks.ExpectEq(platform::sim::elapsed_ms(), 2080u, "the splash ended at");
    checks.ExpectEq(PixelsOffSplash(CurrentScreen(), kEmblemWidth, 3), 0,
                    "pixels off the last picture");
  }));
}

TEST(LogoSplashTest, IsSkippedWithoutItsFaces) {
  ExpectChildPassed(RunInChild([](ChildChecks& checks) {
    std::vector<platform::Resource> without_faces;
    for (const platform::Resource& r : KelvroResources()) {
      if (std::string_view(r.name) != "QELFACE") without_faces.push_back(r);
    }
    QelImage window;
    if (!BindWindow(checks, window, without_faces)) return;
    window.Clear(10, 20, 30);
    const Picture before = CurrentScreen();
    QelLogo(&window);
    checks.ExpectEq(platform::sim::elapsed_ms(), 0u, "time spent");
    checks.ExpectEq(PixelsNotCopied(CurrentScreen(), 0, 0, before, 0, 0, 640, 480), 0,
                    "pixels drawn");
  }));
}

}  // namespace
