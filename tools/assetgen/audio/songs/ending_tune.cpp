#include <string>

#include "audio/band.h"
#include "audio/chords.h"
#include "audio/notation.h"
#include "audio/songs/songs.h"

namespace assetgen {

// A warm tune in F major for the results. It comes home to the tonic and
// rests for a beat, so starting over from the top sounds like a new verse.
Song ending_tune() {
  Song song;
  song.tempo = 100;
  song.bars = 10;
  song.transpose = -7;  // written in C
  song.drum_gain = 0.2;

  const auto chords =
      parse_chords("C:16 | Em:16 | F:16 | G:16 | Am:16 | F:16 | Dm7:16 | G:16 | F:8 G:8 | C:16");

  const char* melody =
      "g5:6 e5:2 c5:4 e5:4 | g5:6 b5:2 g5:8 | a5:4 c6:4 a5:4 f5:4 | g5:12 r:4 |"
      "e5:4 a5:4 c6:6 b5:2 | a5:6 g5:2 f5:4 a5:4 | d5:4 f5:4 a5:4 d6:4 | d6:6 c6:2 b5:8 |"
      "c6:4 a5:4 b5:4 d6:4 | c6:12 r:4";

  Instrument lead = lead_voice();
  lead.duty = 0.375;
  song.parts.push_back({lead, parse_phrase(melody)});
  song.parts.push_back({bell_voice(), chord_pattern(chords, "8...b...a...b...", 5)});
  song.parts.push_back({pad_voice(), held_chords(chords, 4)});
  song.parts.push_back({bass_voice(), chord_pattern(chords, "1--.5--.1--.5--.", 3)});
  song.parts.push_back({sparkle_voice(), chord_pattern(chords, "..1.3.5...5.3.1.", 5)});

  std::string drums;
  for (int bar = 0; bar < 9; ++bar)
    drums += bar == 8 ? "K.h.S.h.K.h.S.S.|" : "K.h.S.h.K.h.S.h.|";
  drums += "K...h...S.......";
  song.drums = parse_drums(drums);
  return song;
}

}  // namespace assetgen
