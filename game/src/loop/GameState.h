#pragma once

#include <cstdint>

// How the running stage stands. The stage's own steps report through it (a
// goal, a fall, Escape) and the game loop decides from it what comes next.
// Touched by the game thread alone.
enum : std::int16_t {
  GameStatePlaying = 0,     // the stage is being played
  GameStateCleared = 1,     // the hook caught on a goal cell
  GameStateAllCleared = 2,  // the sixth stage has been cleared
  GameStateFellOut = 3,     // the player dropped out of the stage
  GameStateGameOver = 4,    // a fall with no spare life left
  GameStateEscaped = 10,    // Escape was held during a frame of play
};

extern std::int16_t GameState;
