#include "audio/band.h"
#include "audio/chords.h"
#include "audio/notation.h"
#include "audio/songs/songs.h"

namespace assetgen {

// Twelve easy-going bars in D major. The last bar rests on the dominant and
// the melody's final notes climb back to where the first bar starts.
Song title_tune() {
  Song song;
  song.tempo = 112;
  song.bars = 12;
  song.transpose = 2;  // written in C
  song.drum_gain = 0.22;

  const auto chords = parse_chords(
      "C:16 | G:16 | Am:16 | Em:16 | F:16 | C:16 | Dm:16 | G:16 |"
      "C:16 | Am:16 | F:16 | G:16");

  const char* melody =
      "e5:4 g5:4 c6:6 b5:2 | a5:2 g5:2 d5:4 g5:8 | c6:4 b5:2 a5:2 e5:4 a5:4 | g5:12 r:4 |"
      "a5:4 c6:4 f6:4 e6:2 d6:2 | e6:4 c6:4 g5:8 | f5:2 a5:2 d6:4 c6:2 a5:2 f5:4 | g5:8 b5:4 d6:4 |"
      "e6:4 d6:2 c6:2 g5:4 c6:4 | c6:4 b5:2 a5:2 e5:8 | f5:4 a5:4 c6:4 a5:4 | b5:6 a5:2 g5:4 d5:4";
  const char* counter =
      "r:16 | r:16 | r:16 | r:8 b4:4 d5:4 |"
      "c5:8 a4:8 | g4:8 e5:8 | d5:8 f5:8 | d5:8 g5:8 |"
      "g5:8 e5:8 | e5:8 c5:8 | a4:8 f5:8 | d5:8 b4:8";

  song.parts.push_back({lead_voice(), parse_phrase(melody)});
  song.parts.push_back({second_voice(), parse_phrase(counter)});
  song.parts.push_back({bass_voice(), chord_pattern(chords, "1--.5--.8--.5--.", 2)});
  song.parts.push_back({sparkle_voice(), chord_pattern(chords, "1.3.5.8.a.8.5.3.", 4)});

  song.drums = parse_drums(
      "K.h.h.h.K.h.S.h.|K.h.S.h.K.hkS.h.|K.h.S.h.K.hkS.h.|K.h.S.h.K.hkS.SS|"
      "C.h.S.h.K.hkS.h.|K.h.S.h.K.hkS.h.|K.h.S.h.K.hkS.h.|K.h.S.h.K.hkSSSS|"
      "C.h.S.h.K.hkS.h.|K.h.S.h.K.hkS.h.|K.h.S.h.K.hkS.h.|K.h.S.h.K.S.S...");
  return song;
}

}  // namespace assetgen
