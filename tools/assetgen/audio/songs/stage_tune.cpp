#include <string>

#include "audio/band.h"
#include "audio/chords.h"
#include "audio/notation.h"
#include "audio/songs/songs.h"

namespace assetgen {

// A minor at a running tempo: sixteen bars that end on the dominant, so the
// restart on A minor answers the last bar.
Song stage_tune() {
  Song song;
  song.tempo = 140;
  song.bars = 16;
  song.drum_gain = 0.30;

  const auto chords = parse_chords(
      "Am:16 | F:16 | G:16 | Em:16 | Am:16 | F:16 | G:16 | E:16 |"
      "F:16 | G:16 | Em:16 | Am:16 | Dm:16 | F:16 | G:16 | E7:16");

  const char* melody =
      "a4:2 c5:2 e5:2 a5:4 g5:2 e5:2 c5:2 | f5:3 e5:1 c5:2 a4:2 c5:4 r:2 a4:2 |"
      "g4:2 b4:2 d5:2 g5:4 f5:2 d5:2 b4:2 | e5:6 d5:2 b4:4 g4:4 |"
      "a4:2 c5:2 e5:2 a5:4 b5:2 c6:4 | a5:3 g5:1 f5:2 e5:2 f5:4 a5:4 |"
      "g5:2 f5:2 d5:2 b4:2 d5:2 g5:2 f5:2 d5:2 | e5:8 g#5:4 b5:4 |"
      "a5:4 c6:4 a5:2 g5:2 f5:4 | g5:4 b5:4 g5:2 f5:2 d5:4 |"
      "e5:2 g5:2 b5:4 a5:2 g5:2 e5:4 | a5:10 r:2 e5:2 g5:2 |"
      "f5:4 e5:2 d5:2 a5:4 f5:4 | c6:4 a5:2 f5:2 c5:4 f5:4 |"
      "d5:2 g5:2 b5:2 d6:4 b5:2 g5:2 d5:2 | e5:4 g#5:4 b5:4 r:4";
  // The answering voice sits a third or sixth under the tune in the second half.
  const char* answer =
      "r:16 | r:16 | r:16 | r:16 | r:16 | r:16 | r:16 | r:16 |"
      "f5:4 a5:4 f5:2 e5:2 c5:4 | d5:4 g5:4 d5:2 d5:2 b4:4 |"
      "b4:2 e5:2 g5:4 e5:2 e5:2 b4:4 | e5:10 r:2 c5:2 e5:2 |"
      "d5:4 c5:2 a4:2 f5:4 d5:4 | a5:4 f5:2 c5:2 a4:4 c5:4 |"
      "b4:2 d5:2 g5:2 b5:4 g5:2 d5:2 b4:2 | b4:4 e5:4 g#5:4 r:4";

  song.parts.push_back({lead_voice(), parse_phrase(melody)});
  song.parts.push_back({second_voice(), parse_phrase(answer)});
  song.parts.push_back({bass_voice(), chord_pattern(chords, "1.1.8.1. 1.1.8.5.", 2)});
  song.parts.push_back({sparkle_voice(), chord_pattern(chords, "158a 158a 158a 158a", 4)});

  const char* groove = "X.h.Z.h.X.x.Z.hh";
  const char* lift = "X.h.Z.h.X.x.Z.ZZ";
  const char* brake = "X.h.Z.h.ZzZzS...";
  std::string drums = "C.h.Z.h.X.x.Z.hh|";
  for (int bar = 1; bar < 16; ++bar) {
    if (bar == 15)
      drums += brake;
    else if (bar % 4 == 3)
      drums += lift;
    else if (bar == 8)
      drums += "C.h.Z.h.X.x.Z.hh";
    else
      drums += groove;
    if (bar < 15) drums += "|";
  }
  song.drums = parse_drums(drums);
  return song;
}

}  // namespace assetgen
