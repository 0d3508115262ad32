#pragma once

#include <vector>

#include "audio/noise.h"
#include "audio/score.h"

namespace assetgen {

// Adds one drum stroke, synthesised from noise and swept sines, into `out`
// from sample `start` on. Strokes past the end of `out` are cut off.
void add_drum_hit(Drum drum, double velocity, std::size_t start, double sample_rate,
                  NoiseSource& noise, std::vector<double>& out);

}  // namespace assetgen
