// The ending, called directly with a table of stage counts. Steps are 30 ms
// of virtual time: with no button held on entry, step j is drawn at 30j and
// stays on the window until 30j + 30.

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "ScreenChild.h"
#include "ScreenMatch.h"
#include "assets/SharedObjects.h"
#include "platform/input.h"
#include "platform/sim.h"
#include "screens/EndingScreen.h"
#include "shell/QuitRequest.h"

namespace {

constexpr std::uint32_t kStep = 30;
constexpr std::uint32_t DuringStep(std::uint32_t step) {
  return kStep * step + kStep / 2;
}

// Where the lines stand on the window: line k at y 128 + 32k, the word at
// x 168 and the 224-wide row (stage number, then the count whose last digit
// is at 264 + 208) at x 264.
constexpr int kWordX = 168;
constexpr int kRowX = 264;
constexpr int kRowCells = 14;
int LineY(int k) {
  return 128 + 32 * k;
}

std::vector<Area> TextAreas() {
  std::vector<Area> areas;
  for (int k = 0; k < 6; ++k) {
    areas.push_back({kWordX, LineY(k), 80, 16});
    areas.push_back({kRowX, LineY(k), 16 * kRowCells, 16});
  }
  return areas;
}

// The hook ball of TileSheet (x 0, y 32), tiled and scrolled up by `step`.
int PixelsOffBackground(const Picture& screen, std::uint32_t step) {
  return PixelsOffTiles(screen, {0, 0, 640, 460}, GameBitmap("BMP128"), 0, 32,
                        static_cast<int>(step % 480), TextAreas());
}

// The six lines for `counts`, each as the row reads: the stage number, then
// the count right-aligned in the other 13 cells.
void ExpectLines(ChildChecks& checks, const Picture& screen, const std::vector<std::string>& counts,
                 const std::string& when) {
  for (int k = 0; k < 6; ++k) {
    const std::string line = when + ", line " + std::to_string(k);
    checks.ExpectEq(ReadText(screen, kWordX, LineY(k), 5), std::string("STAGE"), line + " word");
    checks.ExpectEq(ReadText(screen, kRowX, LineY(k), kRowCells),
                    std::to_string(k + 1) + RightAligned(counts[k], kRowCells - 1), line + " row");
  }
}

bool AnyCommandFor(const std::string& file) {
  for (const platform::sim::WaveEvent& event : platform::sim::wave_log()) {
    if (event.file == file) return true;
  }
  return false;
}

bool EndingMusicCommands(ChildChecks& checks, std::uint32_t play, std::uint32_t stop) {
  std::vector<std::string> commands;
  for (const platform::sim::WaveEvent& event : platform::sim::wave_log()) {
    if (event.file != "1.wav") continue;
    commands.push_back(event.command + "@" + std::to_string(event.time_ms));
  }
  const std::vector<std::string> expected = {"open@" + std::to_string(play),
                                             "play@" + std::to_string(play),
                                             "stop@" + std::to_string(stop)};
  std::string got;
  for (const std::string& c : commands)
    got += c + " ";
  return checks.Expect(
      commands.size() >= 3 &&
          std::vector<std::string>(commands.begin(), commands.begin() + 3) == expected,
      "ending music commands: " + got);
}

// The counts that matter: a single 0, one digit, two, the most a signed
// counter holds, and counters that wrapped past it, shown as the unsigned
// 16-bit numbers they went on to.
TEST(EndingScreenTest, ShowsEveryStageAndItsCountInPlaceAsTheBackgroundScrolls) {
  ExpectChildPassed(RunInChild([](ChildChecks& checks) {
    if (!SetUpGameScreens(checks)) return;
    const std::int16_t times[6] = {0, 7, 10, 32767, -32768, -1};
    const std::vector<std::string> shown = {"0", "7", "10", "32767", "32768", "65535"};
    // Steps 10, 479 (the last of a pass) and 480 (the first of the next).
    std::vector<std::pair<std::uint32_t, Picture>> screens;
    for (std::uint32_t step : {10u, 479u, 480u}) {
      platform::sim::schedule(DuringStep(step), [&screens, step] {
        screens.push_back({step, CurrentScreen()});
      });
    }
    // Seen by step 482, the screen ends when that step's wait is over.
    platform::sim::schedule(DuringStep(481) + 10,
                            [] { platform::sim::set_key(platform::Key::space, true); });
    platform::sim::schedule(DuringStep(482) - 10,
                            [] { platform::sim::set_key(platform::Key::space, false); });
    ShowEnding(times);
    checks.ExpectEq(platform::sim::elapsed_ms(), kStep * 483, "the ending returned at");
    checks.ExpectEq(screens.size(), 3u, "screens taken");
    for (const auto& [step, screen] : screens) {
      const std::string when = "step " + std::to_string(step);
      ExpectLines(checks, screen, shown, when);
      // Step 480 starts the next pass at j = 0, which continues the pattern.
      checks.ExpectEq(PixelsOffBackground(screen, step), 0, when + ": pixels off the background");
    }
    EndingMusicCommands(checks, 0, kStep * 483);
  }));
}

// Fire still held from the last stage: nothing is drawn or played until every
// button is up, and the wait for that sleeps, so virtual time goes on. That
// press does not end the screen; a new one does, after its step, and then the
// screen waits for the release again.
TEST(EndingScreenTest, FireHeldOnEntryMustBeReleasedAndPressedAgain) {
  ExpectChildPassed(RunInChild(
      [](ChildChecks& checks) {
        if (!SetUpGameScreens(checks)) return;
        ScreenImage.Clear(10, 20, 30);
        const Picture before = CurrentScreen();
        platform::sim::set_key(platform::Key::space, true);
        platform::sim::schedule(400, [&checks, &before] {
          checks.ExpectEq(PixelsNotCopied(CurrentScreen(), 0, 0, before, 0, 0, 640, 460), 0,
                          "pixels changed while fire was held on entry");
          checks.Expect(!AnyCommandFor("1.wav"), "no ending music while fire was held");
        });
        platform::sim::schedule(500, [] { platform::sim::set_key(platform::Key::space, false); });
        // Step 7 of the screen, which started at 500, sees the new press.
        platform::sim::schedule(700, [] { platform::sim::set_key(platform::Key::space, true); });
        platform::sim::schedule(900, [] { platform::sim::set_key(platform::Key::space, false); });
        const std::int16_t times[6] = {1, 2, 3, 4, 5, 6};
        ShowEnding(times);
        checks.ExpectEq(platform::sim::elapsed_ms(), 900u, "the ending returned at");
        EndingMusicCommands(checks, 500, 900);
      },
      5));
}

struct OtherButton {
  const char* name;
  void (*hold)(bool);
};

void PrintTo(const OtherButton& c, std::ostream* os) {
  *os << c.name;
}

void HoldEscape(bool down) {
  platform::sim::set_key(platform::Key::escape, down);
}
void HoldJoystickButton2(bool down) {
  platform::JoystickState stick;
  stick.buttons = down ? 0x2 : 0;
  platform::sim::plug_joystick(stick);
}
void HoldJoystickButton4(bool down) {
  platform::JoystickState stick;
  stick.buttons = down ? 0x8 : 0;
  platform::sim::plug_joystick(stick);
}

class EndingOtherButtonTest : public testing::TestWithParam<OtherButton> {};

// Only fire ends the ending; any other button held keeps the scroll going,
// and the wait after fire holds until that button is up too.
TEST_P(EndingOtherButtonTest, NeverEndsTheScreenButIsWaitedForAfterFire) {
  const OtherButton other = GetParam();
  ExpectChildPassed(RunInChild(
      [other](ChildChecks& checks) {
        if (!SetUpGameScreens(checks)) return;
        platform::sim::schedule(100, [other] { other.hold(true); });
        platform::sim::schedule(DuringStep(30), [&checks] {
          checks.ExpectEq(PixelsOffBackground(CurrentScreen(), 30), 0,
                          "pixels off the background of step 30");
        });
        platform::sim::schedule(1000, [] { platform::sim::set_key(platform::Key::space, true); });
        platform::sim::schedule(1100, [] { platform::sim::set_key(platform::Key::space, false); });
        platform::sim::schedule(2000, [other] { other.hold(false); });
        const std::int16_t times[6] = {};
        ShowEnding(times);
        checks.ExpectEq(platform::sim::elapsed_ms(), 2000u, "the ending returned at");
      },
      5));
}

INSTANTIATE_TEST_SUITE_P(Buttons, EndingOtherButtonTest,
                         testing::Values(OtherButton{"Escape", HoldEscape},
                                         OtherButton{"JoystickButton2", HoldJoystickButton2},
                                         OtherButton{"JoystickButton4", HoldJoystickButton4}),
                         [](const testing::TestParamInfo<OtherButton>& info) {
                           return std::string(info.param.name);
                         });

struct CloseCase {
  const char* name;
  int fireDownAt;  // -1: held on entry; 0: never pressed
  std::uint32_t closeAt;
  std::uint32_t returnsAt;
};

void PrintTo(const CloseCase& c, std::ostream* os) {
  *os << c.name;
}

class EndingCloseTest : public testing::TestWithParam<CloseCase> {};

// A closing window ends the ending after its current step, and ends either
// wait for a release at once, with fire still held.
TEST_P(EndingCloseTest, EndsAfterTheCurrentStep) {
  const CloseCase c = GetParam();
  ExpectChildPassed(RunInChild(
      [c](ChildChecks& checks) {
        if (!SetUpGameScreens(checks)) return;
        if (c.fireDownAt < 0) platform::sim::set_key(platform::Key::space, true);
        if (c.fireDownAt > 0) {
          platform::sim::schedule(static_cast<std::uint32_t>(c.fireDownAt),
                                  [] { platform::sim::set_key(platform::Key::space, true); });
        }
        platform::sim::schedule(c.closeAt, [] { RequestQuit(QuitWindowClosing); });
        const std::int16_t times[6] = {};
        ShowEnding(times);
        checks.ExpectEq(platform::sim::elapsed_ms(), c.returnsAt, "the ending returned at");
      },
      5));
}

INSTANTIATE_TEST_SUITE_P(
    Closes, EndingCloseTest,
    testing::Values(
        // During step 10's wait: that step is the last.
        CloseCase{"WhileScrolling", 0, DuringStep(10), kStep * 11},
        // The wait on entry ends; one step is drawn and waited for.
        CloseCase{"WhileFireIsHeldOnEntry", -1, 200, 200 + kStep},
        // Fire ended the screen at 150; the close ends the wait for its release.
        CloseCase{"WhileWaitingForTheRelease", 100, 600, 600}),
    [](const testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

}  // namespace
