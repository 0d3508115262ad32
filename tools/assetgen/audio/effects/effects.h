#pragma once

#include <vector>

namespace assetgen {

// The two short effects that are not little tunes, as raw samples.
std::vector<double> let_go_whoosh(double sample_rate);  // the rope is released
std::vector<double> catch_clink(double sample_rate);    // the hook bites into a block

}  // namespace assetgen
