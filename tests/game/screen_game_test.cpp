// Whole games, run through the replay tool: the start cards, falls and
// retries, clears and their banner, the game-over screen, the ending and
// the title that follows, and Escape during a stage.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "GameTimeline.h"
#include "ReplayRun.h"
#include "ScreenMatch.h"
#include "StageRoutes.h"
#include "StartCard.h"

namespace {

constexpr Area kGameOverBanner{120, 140, 400, 144};
constexpr Area kClearBanner{120, 160, 400, 144};

int PixelsOffBanner(const Picture& shot, const Area& banner, const char* bitmap) {
  return PixelsNotCopied(shot, banner.x, banner.y, GameBitmap(bitmap), 0, 0, banner.width,
                         banner.height);
}

std::uint32_t Attempt(int a) {
  return kFirstGame + kAttemptWithoutInput * a;
}

TEST(WholeGameTest, SixFallsWithoutInputEndInGameOverAndTheTitle) {
  ReplayInput input;
  StartFirstGame(input);
  for (int a = 0; a < 6; ++a) {
    input.At(Attempt(a) + 1000, "shot card" + std::to_string(a));
  }
  input.At(kGameOver - 1, "shot before_over");
  input.At(kGameOver + 1, "shot over_first");
  input.At(kTitleAfterGameOver, "shot over_last");
  input.At(kTitleAfterGameOver + 5, "down escape");
  const ReplayOutcome run = RunReplay(input, kTitleAfterGameOver + 5000);

  EXPECT_EQ(run.TimesOf("4.wav", "play"), std::vector<std::uint32_t>{kFirstGame}) << run.output;
  // The start music plays to its end, and the stage music starts again only
  // when it has ended, not at a retry.
  const std::vector<std::uint32_t> stageMusic = run.TimesOf("5.wav", "play");
  ASSERT_FALSE(stageMusic.empty()) << run.output;
  ASSERT_GT(SoundLength("5.wav"), 0u);
  EXPECT_GE(stageMusic.front(), kFirstGame + SoundLength("4.wav"));
  for (std::size_t i = 1; i < stageMusic.size(); ++i) {
    EXPECT_GE(stageMusic[i] - stageMusic[i - 1], SoundLength("5.wav")) << run.output;
  }
  for (int a = 0; a < 6; ++a) {
    ExpectStartCard(run.Shot("card" + std::to_string(a)), static_cast<char>('5' - a), '1',
                    "card of attempt " + std::to_string(a));
  }
  EXPECT_GT(PixelsOffBanner(run.Shot("before_over"), kGameOverBanner, "BMP133"), 0);
  EXPECT_EQ(PixelsOffBanner(run.Shot("over_first"), kGameOverBanner, "BMP133"), 0);
  EXPECT_EQ(PixelsOffBanner(run.Shot("over_last"), kGameOverBanner, "BMP133"), 0);
  // The game's music stops as it returns; the later title starts its tune at
  // once, and sees Escape on its second frame.
  EXPECT_EQ(run.TimesOf("5.wav", "stop"), std::vector<std::uint32_t>{kTitleAfterGameOver});
  EXPECT_EQ(run.FirstTimeOf("3.wav", "play"), kTitleAfterGameOver) << run.output;
  EXPECT_TRUE(run.TimesOf("1.wav", "open").empty()) << "no ending";
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.exitTime, TitleFrameEnd(kTitleAfterGameOver, 2)) << run.output;
}

// Stage 1 is lost once without input, then every stage is cleared along its
// route: a clear keeps the lives, the banner stands for 50 frames over a
// counter that stopped before the goal frame, and the ending shows each
// stage's last attempt.
TEST(WholeGameTest, ClearingAllSixStagesShowsTheEndingThenTheTitle) {
  ReplayInput input;
  StartFirstGame(input);
  input.At(kFirstGame + 1000, "shot first_card");
  const ClearedGame game = ClearAllStages(input, AfterFall(kFirstGame, kFramesToFall));
  // Each card just after it went up; the banner still up just before.
  for (int stage = 0; stage < 6; ++stage) {
    input.At(game.attempts[stage] + 1, "shot card" + std::to_string(stage));
  }
  const int goal = RouteOfStage(0).goalFrame;
  input.At(FrameEnd(game.attempts[0], goal - 1), "shot before_goal");
  input.At(FrameEnd(game.attempts[0], goal), "shot goal");
  input.At(FrameEnd(game.attempts[0], goal + kBannerFrames - 1), "shot last_banner");
  input.At(game.attempts[1] - 1, "shot pause_end");
  // The ending: step j from `ending` + 30j; fire seen on step 11.
  const std::uint32_t ending = game.ending;
  input.At(ending + 5 * kTitleStep + 15, "shot ending");
  input.At(ending + 10 * kTitleStep + 15, "down space");
  input.At(ending + 11 * kTitleStep + 15, "up space");
  const std::uint32_t title = ending + 12 * kTitleStep;
  input.At(title + 5, "down escape");
  const ReplayOutcome run = RunReplay(input, title + 5000);

  ExpectStartCard(run.Shot("first_card"), '5', '1', "first card");
  for (int stage = 0; stage < 6; ++stage) {
    ExpectStartCard(run.Shot("card" + std::to_string(stage)), '4', static_cast<char>('1' + stage),
                    "card of stage " + std::to_string(stage + 1));
  }
  EXPECT_EQ(run.TimesOf("131.wav", "play"), game.goals) << run.output;

  const Picture& before = run.Shot("before_goal");
  EXPECT_GT(PixelsOffBanner(before, kClearBanner, "BMP132"), 0);
  EXPECT_EQ(HudCount(before), RightAligned(std::to_string(goal - 2), 10));
  for (const char* name : {"goal", "last_banner", "pause_end"}) {
    EXPECT_EQ(PixelsOffBanner(run.Shot(name), kClearBanner, "BMP132"), 0) << name;
    EXPECT_EQ(HudCount(run.Shot(name)), RightAligned(std::to_string(goal - 1), 10)) << name;
  }

  const Picture& shot = run.Shot("ending");
  ASSERT_FALSE(shot.Empty());
  for (int k = 0; k < 6; ++k) {
    const std::string count = std::to_string(RouteOfStage(k).goalFrame - 1);
    EXPECT_EQ(ReadText(shot, 168, 128 + 32 * k, 5), "STAGE") << "line " << k;
    EXPECT_EQ(ReadText(shot, 264, 128 + 32 * k, 14),
              std::to_string(k + 1) + RightAligned(count, 13))
        << "line " << k;
  }
  EXPECT_EQ(run.TimesOf("1.wav", "play"), std::vector<std::uint32_t>{ending}) << run.output;
  EXPECT_EQ(run.TimesOf("1.wav", "stop"), std::vector<std::uint32_t>{title}) << run.output;
  EXPECT_EQ(run.FirstTimeOf("3.wav", "play"), title) << run.output;
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.exitTime, TitleFrameEnd(title, 2)) << run.output;
}

struct EscapeCase {
  const char* name;
  bool toTheGoal;  // along stage 1's route, so that the banner is up
  int frame;       // the frame of stage 1 that sees Escape
};

void PrintTo(const EscapeCase& c, std::ostream* os) {
  *os << c.name;
}

class EscapeInPlayTest : public testing::TestWithParam<EscapeCase> {};

// Escape ends the game when the frame that saw it is over: the title comes
// straight after, with no pause, next stage, game-over screen or ending.
TEST_P(EscapeInPlayTest, EndsTheGameWhenItsFrameIsOver) {
  const EscapeCase c = GetParam();
  ReplayInput input;
  StartFirstGame(input);
  if (c.toTheGoal) HoldKeys(input, kFirstGame, RouteOfStage(0).keys);
  // Held on into the title, which it ends after that title's first frame.
  input.At(FrameTop(kFirstGame, c.frame) - kFrame / 2, "down escape");
  input.At(FrameEnd(kFirstGame, c.frame - 1), "shot frame_before");
  const std::uint32_t title = FrameEnd(kFirstGame, c.frame);
  const ReplayOutcome run = RunReplay(input, title + 5000);

  EXPECT_EQ(run.TimesOf("131.wav", "play").size(), c.toTheGoal ? 1u : 0u) << run.output;
  EXPECT_EQ(PixelsOffBanner(run.Shot("frame_before"), kClearBanner, "BMP132") == 0, c.toTheGoal);
  EXPECT_EQ(run.TimesOf("5.wav", "stop"), std::vector<std::uint32_t>{title}) << run.output;
  EXPECT_EQ(run.TimesOf("3.wav", "play"), std::vector<std::uint32_t>{title}) << run.output;
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.exitTime, TitleFrameEnd(title, 1)) << run.output;
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, EscapeInPlayTest,
    testing::Values(EscapeCase{"DuringPlay", false, 20},
                    EscapeCase{"DuringTheClearBanner", true, RouteOfStage(0).goalFrame + 10},
                    EscapeCase{"OnTheBannersLastFrame", true,
                               RouteOfStage(0).goalFrame + kBannerFrames - 1}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.name); });

}  // namespace
