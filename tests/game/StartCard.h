#pragma once

// Reading the start card off a shot of the window. The card goes into the
// world (KELVRO at (240, 256), the spare lives at (352, 256), the STAGE label
// at (182, 200) with the stage's digit at x 224 of it), and the view of the
// player's start position (64, 16) shows the world from (32, 8).

#include <gtest/gtest.h>

#include <string>

#include "ScreenMatch.h"

constexpr int kCardViewX = 32;
constexpr int kCardViewY = 8;

inline void ExpectStartCard(const Picture& shot, char lives, char stage, const std::string& which) {
  ASSERT_FALSE(shot.Empty()) << which;
  EXPECT_EQ(ReadText(shot, 240 - kCardViewX, 256 - kCardViewY, 6), "KELVRO") << which;
  EXPECT_EQ(ReadText(shot, 352 - kCardViewX, 256 - kCardViewY, 1), std::string(1, lives)) << which;
  EXPECT_TRUE(
      ShowsOverlay(shot, 182 - kCardViewX, 200 - kCardViewY, LabelSheetPicture(), 0, 0, 224, 32))
      << which << ": the word STAGE";
  EXPECT_EQ(LabelDigitAt(shot, 182 + 224 - kCardViewX, 200 - kCardViewY), stage) << which;
}

// The frame counter in the view's top-left corner: 10 cells, right-aligned.
inline std::string HudCount(const Picture& shot) {
  return ReadText(shot, 0, 0, 10);
}
