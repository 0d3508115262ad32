#pragma once

// The game-over banner over the last frame shown, held for two seconds.
void ShowGameOver();
