// The program's two threads and its two ways to stop, run whole on the
// simulated desktop, each run in a process of its own.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>

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
#ifdef KELVRO_SANITIZED
  constexpr int kRuns = 60;  // each run is many times slower there
#else
  constexpr int kRuns = 200;
#endif
  int hangs = 0, failures = 0, close_won = 0, escape_won = 0;
  for (int run = 0; run < kRuns; ++run) {
    // The window thread needs a moment to wake for the close; Escape follows
    // after a delay that sweeps across that moment (0 to 361 microseconds,
    // densest at the short end) from run to run.
    const auto delay = std::chrono::microseconds((run % 20) * (run % 20));
    const ChildOutcome outcome = RunProgramInChild(
        [delay] {
          platform::sim::schedule(kOnTheTitle, [delay] {
            platform::sim::request_close_async();  // handled by the window thread meanwhile
            const auto until = std::chrono::steady_clock::now() + delay;
            while (std::chrono::steady_clock::now() < until) {
            }
            platform::sim::set_key(platform::Key::escape, true);
          });
        },
        10,
        // Which side won the race, for a program that ended with status 0.
        [](int status) { return status == 0 ? 10 + QuitRequest.load() : 1; });
    if (!outcome.exited) {
      ++hangs;
    } else if (outcome.status == 10 + QuitWindowClosing) {
      ++close_won;
    } else if (outcome.status == 10 + QuitLeftAtTitle) {
      ++escape_won;
    } else {
      ++failures;
    }
  }
  EXPECT_EQ(hangs, 0);
  EXPECT_EQ(failures, 0);
  // Both orders happen; which one how often depends on the machine.
  std::printf("close won %d times, Escape won %d times\n", close_won, escape_won);
}

}  // namespace
