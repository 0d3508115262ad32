#include "audio/band.h"
#include "audio/chords.h"
#include "audio/notation.h"
#include "audio/songs/songs.h"

namespace assetgen {

// The first thing the player hears: a rising arpeggio over C, A flat and
// B flat, low horns, a drum roll, then the fanfare and a final chord left
// to ring out.
Song opening_tune() {
  Song song;
  song.tempo = 108;
  song.bars = 6;
  song.tail_seconds = 1.2;
  song.drum_gain = 0.28;

  const auto chords = parse_chords("C:16 | Ab:16 | Bb:16 | C:16 | Ab:8 Bb:8 | C:16");

  const char* fanfare =
      "r:16 | r:16 | r:12 g4:2 b4:2 | c5:4 g5:4 e5:2 g5:2 c6:4 | ab5:4 c6:4 bb5:4 d6:4 |"
      "e6:14 r:2";
  const char* horns =
      "c4:12 g3:4 | ab3:12 eb4:4 | bb3:8 d4:4 f4:4 | e4:4 g4:4 c5:8 | c5:8 d5:8 | g4:14 r:2";
  const char* final_chord = "r:16 | r:16 | r:16 | r:16 | r:16 | c4+e4+g4+c5:14 r:2";

  Instrument ring = pad_voice();
  ring.envelope.release = 1.0;
  ring.gain = 0.09;
  song.parts.push_back({lead_voice(), parse_phrase(fanfare)});
  song.parts.push_back({second_voice(), parse_phrase(horns)});
  song.parts.push_back({ring, parse_phrase(final_chord)});
  song.parts.push_back(
      {pad_voice(), held_chords(parse_chords("C:16 | Ab:16 | Bb:16 | C:16 | Ab:8 Bb:8"), 3)});
  song.parts.push_back({bass_voice(), chord_pattern(chords, "1-------L-------", 2)});
  song.parts.push_back({sparkle_voice(), chord_pattern(chords, "1358a853", 4)});

  song.drums = parse_drums(
      "K.......k.......|K.......k.......|K.......t.t.tTTT|"
      "C...S...K...S...|K.k.S...K.k.SSSS|C...............");
  return song;
}

}  // namespace assetgen
