#pragma once

// Plays one game: six stages with five spare lives, then the ending or the
// game-over screen, or until Escape during a stage.
void PlayGame();
