#include "loop/GameState.h"

std::int16_t GameState = GameStatePlaying;
