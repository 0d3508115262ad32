// Closing the window at every screen, the whole program run through the
// replay tool. The running screen finishes what it is doing (a frame, a
// step, a pause) and no further screen follows; the program ends with
// status 0 within 2.5 s of virtual time after the close.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "GameTimeline.h"
#include "ReplayRun.h"
#include "StageRoutes.h"

namespace {

constexpr std::uint32_t kCloseToExitAtMost = 2500;

struct Closing {
  std::uint32_t closeAt = 0;
  std::uint32_t exitFrom = 0;  // the earliest and latest right exit times
  std::uint32_t exitTo = 0;
};

struct CloseCase {
  const char* name;
  Closing (*script)(ReplayInput&);
};

void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << c.name;
}

const int kGoal = RouteOfStage(0).goalFrame;

Closing DuringTheLogoSplash(ReplayInput&) {
  // The title then finds the stop on entry and draws nothing.
  return {1000, kSplashEnd, kSplashEnd};
}

Closing OnTheTitle(ReplayInput&) {
  // Seen before the title's next frame, the one that would start at 3010.
  return {3000, 3010, 3010};
}

Closing DuringTheStartCard(ReplayInput& input) {
  StartFirstGame(input);
  // The card's pause finishes; at most the frame after it is played.
  return {kFirstGame + 500, kFirstGame + kStartCard, FrameEnd(kFirstGame, 1)};
}

Closing DuringPlay(ReplayInput& input) {
  StartFirstGame(input);
  return {FrameTop(kFirstGame, 20) + 5, FrameEnd(kFirstGame, 20), FrameEnd(kFirstGame, 20)};
}

Closing DuringTheClearBanner(ReplayInput& input) {
  StartFirstGame(input);
  HoldKeys(input, kFirstGame, RouteOfStage(0).keys);
  const std::uint32_t frameEnd = FrameEnd(kFirstGame, kGoal + 10);
  return {frameEnd - 10, frameEnd, frameEnd};
}

Closing DuringThePauseAfterAClear(ReplayInput& input) {
  StartFirstGame(input);
  HoldKeys(input, kFirstGame, RouteOfStage(0).keys);
  const std::uint32_t pauseEnd = AfterGoal(kFirstGame, kGoal);
  return {pauseEnd - 500, pauseEnd, pauseEnd};  // no next stage
}

Closing DuringThePauseAfterAFall(ReplayInput& input) {
  StartFirstGame(input);
  const std::uint32_t pauseEnd = AfterFall(kFirstGame, kFramesToFall);
  return {pauseEnd - 500, pauseEnd, pauseEnd};  // no retry
}

Closing DuringThePauseAfterTheLastFall(ReplayInput& input) {
  StartFirstGame(input);
  return {kGameOver - 500, kGameOver, kGameOver};  // no game-over screen
}

Closing DuringTheGameOverScreen(ReplayInput& input) {
  StartFirstGame(input);
  return {kGameOver + 500, kTitleAfterGameOver, kTitleAfterGameOver};  // no title
}

Closing DuringThePauseAfterTheSixthClear(ReplayInput& input) {
  StartFirstGame(input);
  const std::uint32_t ending = ClearAllStages(input, kFirstGame).ending;
  return {ending - 500, ending, ending};  // no ending
}

Closing DuringTheEnding(ReplayInput& input) {
  StartFirstGame(input);
  const std::uint32_t ending = ClearAllStages(input, kFirstGame).ending;
  // During step 10, the last one then.
  return {ending + 10 * kTitleStep + 15, ending + 11 * kTitleStep, ending + 11 * kTitleStep};
}

Closing DuringTheEndingsWaitForARelease(ReplayInput& input) {
  StartFirstGame(input);
  const std::uint32_t ending = ClearAllStages(input, kFirstGame).ending;
  // Fire held from the last pause on: the ending waits for its release.
  input.At(ending - 100, "down space");
  // The wait ends at the close; one step is drawn and waited for.
  return {ending + 200, ending + 200 + kTitleStep, ending + 200 + kTitleStep};
}

class CloseTest : public testing::TestWithParam<CloseCase> {};

TEST_P(CloseTest, EndsTheProgramWithStatusZeroAndNoFurtherScreen) {
  ReplayInput input;
  const Closing closing = GetParam().script(input);
  input.At(closing.closeAt, "close");
  const ReplayOutcome run = RunReplay(input, closing.closeAt + 10000);

  EXPECT_EQ(run.status, 0) << run.output;
  ASSERT_TRUE(run.exitTime.has_value()) << run.output;
  EXPECT_GE(*run.exitTime, closing.exitFrom) << run.output;
  EXPECT_LE(*run.exitTime, closing.exitTo) << run.output;
  EXPECT_LE(*run.exitTime - closing.closeAt, kCloseToExitAtMost);
  // No game, title or ending starts after the close.
  for (const std::string& file : run.PlayedFrom(closing.closeAt + 1)) {
    EXPECT_TRUE(file != "4.wav" && file != "3.wav" && file != "1.wav")
        << file << " started after the close:\n"
        << run.output;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Screens, CloseTest,
    testing::Values(CloseCase{"LogoSplash", DuringTheLogoSplash}, CloseCase{"Title", OnTheTitle},
                    CloseCase{"StartCard", DuringTheStartCard}, CloseCase{"Play", DuringPlay},
                    CloseCase{"ClearBanner", DuringTheClearBanner},
                    CloseCase{"PauseAfterAClear", DuringThePauseAfterAClear},
                    CloseCase{"PauseAfterAFall", DuringThePauseAfterAFall},
                    CloseCase{"PauseAfterTheLastFall", DuringThePauseAfterTheLastFall},
                    CloseCase{"GameOver", DuringTheGameOverScreen},
                    CloseCase{"PauseAfterTheSixthClear", DuringThePauseAfterTheSixthClear},
                    CloseCase{"Ending", DuringTheEnding},
                    CloseCase{"EndingWaitingForARelease", DuringTheEndingsWaitForARelease}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
