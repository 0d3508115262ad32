#pragma once

#include <vector>

#include "audio/score.h"

namespace assetgen {

// Plays a song into samples at `sample_rate`: every note of every part on an
// enveloped oscillator, plus the drums. The result is the raw mix, before
// any levelling; its length is the song's length, whole samples. A note that
// would ring past the end is let go early enough to fade out inside it, so a
// looping tune ends in silence.
std::vector<double> render_song(const Song& song, double sample_rate);

}  // namespace assetgen
