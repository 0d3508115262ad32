#pragma once

#include <string_view>
#include <vector>

#include "audio/score.h"

namespace assetgen {

// A chord held over part of a song: a root pitch class and its intervals in
// semitones above the root (0 first).
struct ChordSpan {
  double start_step = 0;
  double length_steps = kStepsPerBar;
  int root = 0;
  std::vector<int> intervals;
};

// A progression written as "C:16 Am:8 G7:8 | F:16 ...": chord name, colon,
// length in steps; '|' marks bars, which must add up to 16 steps. Names are a
// root (C, F#, Bb) and one of: major (nothing), m, 7, maj7, m7, sus2, sus4, dim.
std::vector<ChordSpan> parse_chords(std::string_view text);

// A line that picks chord tones step by step. `pattern` repeats from the
// song's start, one character per step:
//   1 3 5 7   root, third, fifth, seventh (the octave for a triad)
//   8 a b     root, third and fifth an octave higher
//   L         the fifth below the root
//   -         the previous note held one step longer
//   .         rest
// Spaces and '|' in the pattern are only for reading. The root sits in `octave`.
std::vector<NoteEvent> chord_pattern(const std::vector<ChordSpan>& chords, std::string_view pattern,
                                     int octave);

// Each chord's tones held over its whole span, root in `octave`.
std::vector<NoteEvent> held_chords(const std::vector<ChordSpan>& chords, int octave);

}  // namespace assetgen
