#pragma once

#include <optional>
#include <string_view>

namespace assetgen {

// Notes are numbered in semitones with middle C (c4) as 60 and a4 = 440 Hz.
double note_frequency(double note);

// Pitch class of a note letter with an optional '#' or 'b' ("c", "f#", "bb"),
// and how many characters it took; nothing for anything else.
struct PitchClass {
  int semitone;
  std::size_t length;
};
std::optional<PitchClass> parse_pitch_class(std::string_view text);

// A note name with its octave, e.g. "c4" (60), "f#5", "bb3".
std::optional<int> parse_note(std::string_view text);

}  // namespace assetgen
