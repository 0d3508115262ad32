#pragma once

// The title screen: a scrolling background, the title logo fading in, the
// title music. Returns when the player presses fire (a game is to start,
// QuitRequest stays 0), Escape (QuitRequest becomes 2) or the window closes
// (QuitRequest is 1). `firstTime` is non-zero on the first call only.
void RunTitleScreen(int firstTime);
