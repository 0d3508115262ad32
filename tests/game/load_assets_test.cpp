// The one-time asset set-up. Each case runs in a child process of its own,
// because the process-wide objects can be set up only once per process.

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "KelvroResources.h"
#include "SimFixture.h"
#include "assets/LoadAssets.h"
#include "assets/SharedObjects.h"
#include "platform/sim.h"
#include "platform/wave.h"

namespace {

platform::Window* GameLikeWindow(std::span<const platform::Resource> resources) {
  platform::Instance* instance = platform::program_instance("kelvro", resources);
  return MakeWindow(DefaultOnly, 640, 480, "assets test", instance);
}

std::vector<platform::Resource> ResourcesWithout(std::string_view name) {
  std::vector<platform::Resource> kept;
  for (const platform::Resource& r : KelvroResources()) {
    if (r.name != name) kept.push_back(r);
  }
  return kept;
}

bool AllBytesAre(const QelImage& image, std::uint8_t value) {
  const std::size_t bytes = static_cast<std::size_t>(image.ps.width) * image.ps.height * 3;
  for (std::size_t i = 0; i < bytes; ++i) {
    if (image.bits[i] != value) return false;
  }
  return true;
}

// Exits 0 when every check holds, else with the number of the first that failed.
#define CHECK_OR_EXIT(number, condition) \
  if (!(condition)) std::_Exit(number)

TEST(LoadAssetsTest, SetsUpEverythingAndTheViewCopiesTheWorldsCorner) {
  EXPECT_EXIT(
      {
        platform::Window* window = GameLikeWindow(KelvroResources());
        CHECK_OR_EXIT(1, LoadAssets(window) == 0);
        CHECK_OR_EXIT(2, AllBytesAre(HudImage, 255));
        CHECK_OR_EXIT(3, TileSheet.ps.width == 256 && TileSheet.ps.height == 128);
        CHECK_OR_EXIT(4, EndingImage.ps.width == 640 && EndingImage.ps.height == 460);
        CHECK_OR_EXIT(5, HudSprite.eraseImage == &StageImage && HudSprite.posRect.width == 160);
        // A pattern in the world, then the view sprite: the window shows the
        // world's top-left 640 x 460.
        for (int y = 0; y < 960; ++y) {
          for (int x = 0; x < 1280; ++x) {
            std::uint8_t* p = WorldImage.bits + ((959 - y) * 1280 + x) * 3;
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = static_cast<std::uint8_t>(x ^ y);
          }
        }
        ViewSprite.Draw();
        for (int y = 0; y < 460; y += 7) {
          for (int x = 0; x < 640; x += 5) {
            const platform::Colour c = platform::sim::screen_pixel(x, y);
            CHECK_OR_EXIT(6, c == platform::make_colour(static_cast<std::uint8_t>(x ^ y),
                                                        static_cast<std::uint8_t>(y),
                                                        static_cast<std::uint8_t>(x)));
          }
        }
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
}

TEST(LoadAssetsTest, AMissingBitmapStopsTheListAndLeavesTheRestUntouched) {
  EXPECT_EXIT(
      {
        const std::vector<platform::Resource> table = ResourcesWithout("BMP131");
        platform::Window* window = GameLikeWindow(table);
        CHECK_OR_EXIT(1, LoadAssets(window) == 1);
        CHECK_OR_EXIT(2, HudImage.dc != nullptr);    // the step before it ran
        CHECK_OR_EXIT(3, ClearImage.dc == nullptr);  // the steps after it did not
        CHECK_OR_EXIT(4, GameOverImage.dc == nullptr);
        CHECK_OR_EXIT(5, EndingImage.dc == nullptr);
        CHECK_OR_EXIT(6, ViewSprite.srcImage == nullptr && HudSprite.eraseImage == nullptr);
        CHECK_OR_EXIT(7, HudImage.bits[0] == 0);  // not filled white
        CHECK_OR_EXIT(8, EffectSounds[0].wDeviceID == 0);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
}

TEST(LoadAssetsTest, AFailedWindowBindStillMakesTheWorldSurface) {
  EXPECT_EXIT(
      {
        platform::Window* window = GameLikeWindow(KelvroResources());
        // Bound once already, so the bind inside LoadAssets fails while the
        // library still has a screen to make surfaces compatible with.
        CHECK_OR_EXIT(1, ScreenImage.SetWindow(window) != nullptr);
        CHECK_OR_EXIT(2, LoadAssets(window) == 1);
        CHECK_OR_EXIT(3, WorldImage.dc != nullptr && WorldImage.ps.width == 1280);
        CHECK_OR_EXIT(4, StageImage.dc == nullptr);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
}

TEST(LoadAssetsTest, SoundsThatCannotOpenDoNotChangeTheResult) {
  EXPECT_EXIT(
      {
        platform::sim::set_audio_device(false);
        platform::Window* window = GameLikeWindow(KelvroResources());
        CHECK_OR_EXIT(1, LoadAssets(window) == 0);
        QelSound probe;  // sound is off: the first failed open is reported ever after
        CHECK_OR_EXIT(2, probe.GetFromFile("128.wav") == platform::kWaveNoAudioDevice);
        CHECK_OR_EXIT(3, ViewSprite.srcImage == &WorldImage);
        std::_Exit(0);
      },
      testing::ExitedWithCode(0), "");
}

}  // namespace
