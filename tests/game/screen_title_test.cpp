// The title: the whole program through the replay tool for what the window
// shows frame by frame, and the screen called directly for a stop that is
// already requested on entry.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "GameTimeline.h"
#include "ReplayRun.h"
#include "ScreenChild.h"
#include "ScreenMatch.h"
#include "assets/SharedObjects.h"
#include "platform/sim.h"
#include "screens/TitleScreen.h"
#include "shell/QuitRequest.h"

namespace {

constexpr int kDelayFrames = 580;
constexpr int kLogoX = 20, kLogoY = 128;

// The logo's blend weight on the n-th frame that draws it: the factor grows
// by 0.01 in 32-bit floats, is held at 1.0 once past it, and counts out of 512.
int FadeWeight(int drawn) {
  float factor = 0.0f;
  for (int n = 0; n < drawn; ++n) {
    factor = factor + 0.01f;
    if (factor > 1.0f) factor = 1.0f;
  }
  return static_cast<int>(factor * 512.0f);
}

// Pixels of a title frame that are not the open-cell tile scrolled up by
// `scroll` with, when `weight` is not negative, the logo's non-white pixels
// blended over it at (20, 128).
int PixelsOffTitle(const Picture& screen, int scroll, int weight) {
  static const Picture tiles = GameBitmap("BMP128");
  static const Picture logo = GameBitmap("BMP130");
  const Area logoArea{kLogoX, kLogoY, logo.width, logo.height};
  int off = PixelsOffTiles(screen, {0, 0, screen.width, screen.height}, tiles, 32, 0, scroll,
                           weight < 0 ? std::vector<Area>{} : std::vector<Area>{logoArea});
  if (weight < 0) return off;
  for (int y = 0; y < logo.height; ++y) {
    for (int x = 0; x < logo.width; ++x) {
      const int sx = kLogoX + x, sy = kLogoY + y;
      const platform::Colour background = tiles.At(32 + sx % 32, (sy + scroll) % 32);
      const platform::Colour l = logo.At(x, y);
      const platform::Colour expected =
          l == kWhitePixel ? background : Blended(l, background, weight);
      if (screen.At(sx, sy) != expected) ++off;
    }
  }
  return off;
}

struct TitleFrame {
  int frame;   // from 1, of this entry
  int weight;  // -1: no logo
};

void ExpectTitleFrames(const ReplayOutcome& run, std::uint32_t start,
                       const std::vector<TitleFrame>& frames) {
  for (const TitleFrame& f : frames) {
    const std::string name = "frame" + std::to_string(f.frame);
    const Picture& shot = run.Shot(name);
    ASSERT_FALSE(shot.Empty()) << name << " at " << TitleFrameEnd(start, f.frame);
    EXPECT_EQ(PixelsOffTitle(shot, (f.frame - 1) % 480, f.weight), 0) << name;
  }
}

ReplayInput& ShootTitleFrames(ReplayInput& input, std::uint32_t start,
                              const std::vector<TitleFrame>& frames) {
  for (const TitleFrame& f : frames) {
    input.At(TitleFrameEnd(start, f.frame), "shot frame" + std::to_string(f.frame));
  }
  return input;
}

TEST(TitleScreenTest, FirstEntryShowsTheBackgroundAloneThenFadesTheLogoIn) {
  ASSERT_EQ(FadeWeight(100), 511);  // 0.9999993: the last frame short of the source
  ASSERT_EQ(FadeWeight(101), 512);
  const std::vector<TitleFrame> frames = {
      {1, -1},
      {kDelayFrames, -1},
      {kDelayFrames + 1, FadeWeight(1)},
      {kDelayFrames + 100, FadeWeight(100)},
      {kDelayFrames + 101, FadeWeight(101)},
      {kDelayFrames + 300, FadeWeight(300)},  // past a run of 480: the scroll starts again
  };
  ReplayInput input;
  ShootTitleFrames(input, kSplashEnd, frames);
  const int last = kDelayFrames + 300;
  input.At(TitleFrameEnd(kSplashEnd, last) + 5, "down escape");
  const ReplayOutcome run = RunReplay(input, 60000);
  ASSERT_EQ(run.TimesOf("2.wav", "play"), std::vector<std::uint32_t>{kSplashEnd}) << run.output;
  ExpectTitleFrames(run, kSplashEnd, frames);
  // The title tune waits for the delay and for the opening tune to end.
  const std::vector<std::uint32_t> tune = run.TimesOf("3.wav", "play");
  ASSERT_FALSE(tune.empty());
  EXPECT_GE(tune.front(), TitleFrameTop(kSplashEnd, kDelayFrames + 1));
  EXPECT_EQ(run.TimesOf("2.wav", "stop"), std::vector<std::uint32_t>{}) << run.output;
  // Escape, pressed while frame last + 1 waits, is seen on the frame after,
  // whose end ends the program.
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.exitTime, TitleFrameEnd(kSplashEnd, last + 2)) << run.output;
}

// After a game the logo fades in from the first frame and the title tune
// starts at once.
TEST(TitleScreenTest, LaterEntriesFadeTheLogoInFromTheFirstFrameWithTheTitleTune) {
  const std::vector<TitleFrame> frames = {
      {1, FadeWeight(1)}, {100, FadeWeight(100)}, {101, FadeWeight(101)}};
  // Escape on the game's first frame ends it when that frame is over.
  const std::uint32_t title = FrameEnd(kFirstGame, 1);
  ReplayInput input;
  StartFirstGame(input);
  HoldKeys(input, kFirstGame, {{1, "E"}});
  ShootTitleFrames(input, title, frames);
  input.At(TitleFrameEnd(title, 101) + 5, "down escape");
  const ReplayOutcome run = RunReplay(input, 60000);
  EXPECT_EQ(run.TimesOf("4.wav", "play"), std::vector<std::uint32_t>{kFirstGame}) << run.output;
  EXPECT_EQ(run.FirstTimeOf("3.wav", "play"), title) << run.output;
  EXPECT_EQ(run.TimesOf("2.wav", "play").size(), 1u) << "the opening tune is for the first entry";
  ExpectTitleFrames(run, title, frames);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.exitTime, TitleFrameEnd(title, 103)) << run.output;
}

TEST(TitleScreenTest, FireHeldWithEscapeStartsAGame) {
  ReplayInput input;
  input.At(kFirePress, "down escape").At(kFirePress, "down space");
  input.At(kFireRelease, "up space").At(kFireRelease, "up escape");
  const ReplayOutcome run = RunReplay(input, kFirstGame + 500);
  EXPECT_EQ(run.TimesOf("4.wav", "play"), std::vector<std::uint32_t>{kFirstGame}) << run.output;
  EXPECT_EQ(run.status, 124) << "the program must still be running: " << run.output;
}

Picture PictureOf(const QelImage& image) {
  const std::size_t bytes = static_cast<std::size_t>(image.ps.width) * image.ps.height * 3;
  return Picture{image.ps.width, image.ps.height, {image.bits, image.bits + bytes}};
}

struct StopOnEntry {
  const char* name;
  int firstTime;
  std::int32_t quitRequest;
  const char* tune;  // started by the set-up, then stopped
};

void PrintTo(const StopOnEntry& c, std::ostream* os) {
  *os << c.name;
}

class TitleStopOnEntryTest : public testing::TestWithParam<StopOnEntry> {};

// A stop requested before the title: the set-up runs, the tune it started is
// stopped at once, and not one frame is drawn or waited for.
TEST_P(TitleStopOnEntryTest, DrawsNoFrameAndStopsTheMusic) {
  const StopOnEntry c = GetParam();
  ExpectChildPassed(RunInChild([c](ChildChecks& checks) {
    if (!SetUpGameScreens(checks)) return;
    ScreenImage.Clear(10, 20, 30);
    const Picture before = CurrentScreen();
    QuitRequest = c.quitRequest;
    RunTitleScreen(c.firstTime);
    checks.ExpectEq(platform::sim::elapsed_ms(), 0u, "time spent");
    checks.ExpectEq(PixelsNotCopied(CurrentScreen(), 0, 0, before, 0, 0, 640, 460), 0,
                    "pixels drawn on the window");
    checks.ExpectEq(
        PixelsOffTiles(PictureOf(StageImage), {0, 0, 640, 960}, GameBitmap("BMP128"), 32, 0, 0), 0,
        "pixels of the stage surface off the title's background");
    std::string commands;
    for (const platform::sim::WaveEvent& e : platform::sim::wave_log()) {
      if (e.command == "play" || e.command == "stop") commands += e.file + " " + e.command + "; ";
    }
    checks.ExpectEq(commands, std::string(c.tune) + " play; " + c.tune + " stop; ",
                    "music commands");
    checks.ExpectEq(QuitRequest.load(), c.quitRequest, "QuitRequest");
  }));
}

INSTANTIATE_TEST_SUITE_P(
    Stops, TitleStopOnEntryTest,
    testing::Values(StopOnEntry{"FirstEntryWindowClosing", 1, QuitWindowClosing, "2.wav"},
                    StopOnEntry{"LaterEntryLeftAtTitle", 0, QuitLeftAtTitle, "3.wav"}),
    [](const testing::TestParamInfo<StopOnEntry>& info) { return std::string(info.param.name); });

}  // namespace
