#pragma once

#include <cstdint>

// After the sixth clear: six lines, each STAGE, the stage number and the
// frames of that stage's last attempt, standing still over a background of
// hook-ball tiles that scrolls upward, with the ending music, until the
// player presses fire.
void ShowEnding(const std::int16_t stageTimes[6]);
