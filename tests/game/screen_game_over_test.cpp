// The game-over screen, called directly.

#include <gtest/gtest.h>

#include "ScreenChild.h"
#include "ScreenMatch.h"
#include "assets/SharedObjects.h"
#include "platform/clock.h"
#include "platform/sim.h"
#include "screens/GameOverScreen.h"

namespace {

constexpr Area kBanner{120, 140, 400, 144};

// The banner is a plain copy onto the window, white included, and the pause
// is two seconds however long ago the last frame was paced; buttons held
// change nothing.
TEST(GameOverScreenTest, CoversTheWindowAt120By140ForTwoSeconds) {
  ExpectChildPassed(RunInChild([](ChildChecks& checks) {
    if (!SetUpGameScreens(checks)) return;
    ScreenImage.Clear(10, 20, 30);
    const Picture before = CurrentScreen();
    platform::sleep_ms(5000);
    platform::sim::set_key(platform::Key::space, true);
    platform::sim::set_key(platform::Key::escape, true);
    const std::uint32_t start = platform::sim::elapsed_ms();
    ShowGameOver();
    checks.ExpectEq(platform::sim::elapsed_ms() - start, 2000u, "time the banner was held");
    const Picture after = CurrentScreen();
    checks.ExpectEq(PixelsNotCopied(after, kBanner.x, kBanner.y, GameBitmap("BMP133"), 0, 0,
                                    kBanner.width, kBanner.height),
                    0, "pixels of the banner not copied");
    int changed = 0;
    for (int y = 0; y < after.height; ++y) {
      for (int x = 0; x < after.width; ++x) {
        if (!kBanner.Holds(x, y) && after.At(x, y) != before.At(x, y)) ++changed;
      }
    }
    checks.ExpectEq(changed, 0, "pixels changed outside the banner");
  }));
}

}  // namespace
