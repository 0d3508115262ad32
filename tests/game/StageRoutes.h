#pragma once

// Inputs that carry the player from the start of each stage to a goal cell,
// found with kelvro-trace (which runs the same player steps as a game, frame
// by frame): runs of frames with the keys held, and the frame whose hook
// reaches the goal, the last frame of the route.

#include <cstdint>
#include <vector>

#include "GameTimeline.h"

struct StageRoute {
  KeyRuns keys;
  int goalFrame;
};

inline const StageRoute& RouteOfStage(int stage) {
  static const StageRoute routes[6] = {
      {{{17, "-"}, {21, "FR"}, {27, "R"}, {4, "FRD"}}, 69},
      {{{30, "R"}, {9, "FU"}}, 39},
      {{{15, "FLU"},
        {45, "FU"},
        {16, "R"},
        {6, "FD"},
        {15, "FR"},
        {22, "F"},
        {4, "FU"},
        {2, "F"},
        {10, "R"},
        {34, "FL"},
        {22, "FLD"},
        {2, "R"},
        {2, "FD"}},
       195},
      {{{14, "FD"},
        {19, "FRD"},
        {21, "FD"},
        {6, "F"},
        {24, "R"},
        {9, "FRU"},
        {16, "FL"},
        {21, "FRU"},
        {8, "L"},
        {4, "-"},
        {33, "FL"},
        {23, "FD"},
        {38, "FRU"},
        {4, "L"},
        {7, "R"},
        {11, "FD"},
        {12, "FLU"},
        {1, "-"},
        {1, "FLD"}},
       272},
      {{{25, "FLU"},
        {23, "R"},
        {9, "FU"},
        {6, "FR"},
        {24, "FLD"},
        {4, "L"},
        {19, "R"},
        {19, "-"},
        {6, "FU"},
        {3, "FD"},
        {17, "FRD"},
        {21, "FU"},
        {11, "FR"},
        {23, "FD"},
        {6, "-"},
        {1, "FLD"}},
       217},
      {{{25, "FRD"},
        {21, "R"},
        {5, "FLU"},
        {14, "FL"},
        {9, "-"},
        {18, "F"},
        {6, "FLU"},
        {21, "L"},
        {5, "FL"}},
       124},
  };
  return routes[stage];
}

// A game that clears every stage along its route, its first attempt at
// `firstAttempt`: when each stage's start card went up, when its hook
// reached the goal, and when the ending begins.
struct ClearedGame {
  std::vector<std::uint32_t> attempts;
  std::vector<std::uint32_t> goals;
  std::uint32_t ending = 0;
};

inline ClearedGame ClearAllStages(ReplayInput& input, std::uint32_t firstAttempt) {
  ClearedGame game;
  std::uint32_t attempt = firstAttempt;
  for (int stage = 0; stage < 6; ++stage) {
    const StageRoute& route = RouteOfStage(stage);
    game.attempts.push_back(attempt);
    game.goals.push_back(FrameTop(attempt, route.goalFrame));
    HoldKeys(input, attempt, route.keys);
    attempt = AfterGoal(attempt, route.goalFrame);
  }
  game.ending = attempt;
  return game;
}
