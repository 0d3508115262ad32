#pragma once

#include <cstdint>
#include <vector>

namespace assetgen {

// The last stage before a wave file: takes out any offset, ramps the very
// first and last milliseconds to silence, and levels the loudest sample to
// `peak` of full scale (0.79 is about -2 dBFS), then rounds to 16 bits.
std::vector<std::int16_t> master_to_pcm(std::vector<double> mix, double sample_rate, double peak);

}  // namespace assetgen
