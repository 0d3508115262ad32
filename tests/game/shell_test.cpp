// The program's two threads and its two ways to stop, run whole on the
// simulated desktop, each run in a process of its own.

#include <gtest/gtest.h>

#include <atomic>

#include "GameProcess.h"
#include "platform/sim.h"
#include "shell/QuitRequest.h"

namespace {

// Virtual time by which the logo splash is over and the title runs.
constexpr std::uint32_t kOnTheTitle = 4000;

TEST(ShellTest, ClosingTheWindowEndsTheProgramPromptlyWithStatusZero) {
  const ChildOutcome outcome = RunProgramInChild([] {
    platform::sim::schedule(kOnTheTitle, [] {
      platform::sim::request_close();
      // The window thread is now waiting for this thread, the game thread,
      // which must leave within one frame of the title.
      if (QuitRequest != QuitWindowClosing) std::_Exit(10);
      platform::sim::schedule(kOnTheTitle + 100, [] { std::_Exit(11); });
    });
  });
  EXPECT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.status, 0);
}

TEST(ShellTest, EscapeOnTheTitleEndsTheProgramWithStatusZero) {
  const ChildOutcome outcome = RunProgramInChild([] {
    platform::sim::schedule(kOnTheTitle,
                            [] { platform::sim::set_key(platform::Key::escape, true); });
    platform::sim::schedule(kOnTheTitle + 100, [] { std::_Exit(11); });
  });
  EXPECT_TRUE(outcome.exited);
  EXPECT_EQ(outcome.status, 0);
}

TEST(ShellTest, AFailedAssetSetUpIsReportedAndEndsTheProgramWithStatusOne) {
  EXPECT_EXIT(
      {
        std::vector<platform::Resource> without_font;
        for (const platform::Resource& r : KelvroResources()) {
          if (std::string_view(r.name) != "BMP129") without_font.push_back(r);
        }
        std::_Exit(RunProgram(without_font));
      },
      testing::ExitedWithCode(1), "kelvro: cannot set up the game: the bitmap BMP129");
}

// Escape on the title and the window's close request landing in the same
// instant: whichever wins, the program must end, with status 0, every time.
TEST(ShellTest, CloseAndEscapeTogetherNeverHang) {
  constexpr int kRuns = 200;
  int hangs = 0, failures = 0;
  for (int run = 0; run < kRuns; ++run) {
    const ChildOutcome outcome = RunProgramInChild(
        [] {
          platform::sim::schedule(kOnTheTitle, [] {
            platform::sim::request_close_async();  // handled by the window thread meanwhile
            platform::sim::set_key(platform::Key::escape, true);
          });
        },
        10);
    if (!outcome.exited)
      ++hangs;
    else if (outcome.status != 0)
      ++failures;
  }
  EXPECT_EQ(hangs, 0);
  EXPECT_EQ(failures, 0);
}

}  // namespace
