#pragma once

#include <string_view>
#include <vector>

#include "audio/score.h"

namespace assetgen {

// A phrase written as text, one token per note:
//   c5:4     note c5 for 4 steps (sixteenths)
//   c5+e5:4  several notes struck together
//   r:2      rest
//   ~:2      the previous note held 2 steps longer
//   |        bar line; each bar must add up to 16 steps, or the
//            generator stops with a message naming the bar
// The phrase starts at the beginning of the song.
std::vector<NoteEvent> parse_phrase(std::string_view text);

// Drum hits from one text of sixteen characters a bar, bars split by '|':
//   k kick  s snare  h closed hat  o open hat  c crash  t tom
//   x kick with hat  z snare with hat  . nothing
// Lower-case letters are struck softer than capitals (K, S, H, O, C, T).
std::vector<DrumHit> parse_drums(std::string_view text);

}  // namespace assetgen
