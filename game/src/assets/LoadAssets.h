#pragma once

#include "platform/window.h"

// Binds ScreenImage to the window and sets up the images, the shared sprites
// and the effect sounds. 0 for success, 1 when an image could not be set up;
// then the later images, the sprites and the sounds are left untouched.
int LoadAssets(platform::Window* window);

// What the failed set-up step was, for the one line the game prints; empty
// while nothing failed.
extern const char* LoadAssetsFailure;
