#pragma once

#include <atomic>
#include <cstdint>

// The stop flag the two threads share: 0 run, 1 the window is closing,
// 2 the player left at the title.
enum : std::int32_t { QuitRunning = 0, QuitWindowClosing = 1, QuitLeftAtTitle = 2 };

extern std::atomic<std::int32_t> QuitRequest;

// Changes QuitRequest from 0 to `value`; false (and no change) when either
// side has already changed it. Because each side changes the flag only from
// 0, a close of the window and Escape on the title in the same instant can
// never both win: the window thread then never waits on a game thread that
// is about to send it a message.
bool RequestQuit(std::int32_t value);
