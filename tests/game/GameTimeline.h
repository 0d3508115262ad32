#pragma once

// When things happen in a whole run on the simulated desktop, in virtual
// milliseconds from the start. Drawing takes no virtual time, so every screen
// starts exactly when the waits before it add up to.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "ReplayRun.h"

// The logo splash: 96 wipe waits of 10 ms (the first of the 97 steps has
// nothing to wait for), six faces of 70 ms, the 200 ms hold, the last 500 ms.
constexpr std::uint32_t kSplashEnd = 2080;
constexpr std::uint32_t kTitleStep = 30;
constexpr std::uint32_t kFrame = 26;
constexpr std::uint32_t kStartCard = 2000;
constexpr std::uint32_t kAfterStage = 1000;
constexpr std::uint32_t kGameOverHold = 2000;
constexpr int kBannerFrames = 50;

// With no input the player drops out of stage 1 on this frame of an attempt.
constexpr int kFramesToFall = 58;

// Frame n of the title (from 1) is drawn at TitleFrameTop and stays on the
// window until TitleFrameEnd; a shot at the end still sees it.
constexpr std::uint32_t TitleFrameTop(std::uint32_t titleStart, int n) {
  return titleStart + kTitleStep * static_cast<std::uint32_t>(n - 1);
}
constexpr std::uint32_t TitleFrameEnd(std::uint32_t titleStart, int n) {
  return TitleFrameTop(titleStart, n) + kTitleStep;
}

// Fire pressed during the first title's first frame is seen on its second,
// so the first game starts when that frame ends.
constexpr std::uint32_t kFirePress = kSplashEnd + 20;
constexpr std::uint32_t kFireRelease = kSplashEnd + 2 * kTitleStep + 10;
constexpr std::uint32_t kFirstGame = TitleFrameEnd(kSplashEnd, 2);

// For an attempt whose start card goes up at `attempt`: frame n (from 1)
// reads the input at FrameTop and ends, its picture on the window, at FrameEnd.
constexpr std::uint32_t FrameTop(std::uint32_t attempt, int n) {
  return attempt + kStartCard + kFrame * static_cast<std::uint32_t>(n - 1);
}
constexpr std::uint32_t FrameEnd(std::uint32_t attempt, int n) {
  return FrameTop(attempt, n) + kFrame;
}
// The next attempt after a fall on frame n, or after a goal on frame n.
constexpr std::uint32_t AfterFall(std::uint32_t attempt, int n) {
  return FrameEnd(attempt, n) + kAfterStage;
}
constexpr std::uint32_t AfterGoal(std::uint32_t attempt, int n) {
  return FrameEnd(attempt, n + kBannerFrames - 1) + kAfterStage;
}

// A game of six falls with no input: the game-over banner goes up at
// kGameOver and the title follows at kTitleAfterGameOver.
constexpr std::uint32_t kAttemptWithoutInput = kStartCard + kFrame * kFramesToFall + kAfterStage;
constexpr std::uint32_t kGameOver = kFirstGame + 6 * kAttemptWithoutInput;
constexpr std::uint32_t kTitleAfterGameOver = kGameOver + kGameOverHold;

// Starts the first game with a press of fire on the title.
inline ReplayInput& StartFirstGame(ReplayInput& input) {
  return input.At(kFirePress, "down space").At(kFireRelease, "up space");
}

// Keys held per frame, as runs of frames: {count, letters}, letters from
// F (space), L, R, U, D (arrows), E (Escape), "-" for none.
using KeyRuns = std::vector<std::pair<int, std::string>>;

// Holds the runs' keys on frames first, first + 1, ... of the attempt, each
// change made half a frame before the frame that reads it; all keys are
// released for the frame after the last run.
inline ReplayInput& HoldKeys(ReplayInput& input, std::uint32_t attempt, const KeyRuns& runs,
                             int first = 1) {
  static const std::pair<char, const char*> kKeys[] = {
      {'F', "space"}, {'L', "left"}, {'R', "right"}, {'U', "up"}, {'D', "down"}, {'E', "escape"}};
  std::string held;
  int frame = first;
  auto change_to = [&](const std::string& letters) {
    const std::uint32_t at = FrameTop(attempt, frame) - kFrame / 2;
    for (const auto& [letter, key] : kKeys) {
      const bool was = held.find(letter) != std::string::npos;
      const bool now = letters.find(letter) != std::string::npos;
      if (was != now) input.At(at, std::string(now ? "down " : "up ") + key);
    }
    held = letters;
  };
  for (const auto& [count, letters] : runs) {
    change_to(letters);
    frame += count;
  }
  change_to("");
  return input;
}
