#pragma once

#include <cstdint>

// The start of every stage attempt: puts the large digit of the stage number
// (index + 1) into the slot after "STAGE" in StageLabelImage, then draws the
// stage (DrawStage).
void PrepareStage(std::int16_t stage);
