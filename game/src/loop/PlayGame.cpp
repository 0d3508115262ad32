// Stand-in until the game loop is built.

#include "loop/PlayGame.h"

void PlayGame() {}
