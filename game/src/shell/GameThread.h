#pragma once

// The game thread: asset set-up, the logo splash, then the title screen and
// one game in turn until a stop is requested. `windowHandle` points at the
// process-wide window handle. Returns 0.
int GameThread(void* windowHandle);

// Set when the game could not start (its assets failed to load); the
// program then ends with status 1.
extern bool GameStartupFailed;
