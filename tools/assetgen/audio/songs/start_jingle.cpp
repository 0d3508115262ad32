#include "audio/band.h"
#include "audio/notation.h"
#include "audio/songs/songs.h"

namespace assetgen {

// Two seconds of "ready, go": a quick run up the C major chord and a held top note.
Song start_jingle() {
  Song song;
  song.tempo = 150;
  song.bars = 1;
  song.tail_seconds = 0.45;
  song.drum_gain = 0.3;

  Instrument lead = lead_voice();
  lead.envelope.release = 0.25;
  Instrument harmony = second_voice();
  harmony.envelope.release = 0.25;
  song.parts.push_back({lead, parse_phrase("g4:1 c5:1 e5:1 g5:1 c6:2 g5:1 c6:1 e6:8")});
  song.parts.push_back({harmony, parse_phrase("e4:1 g4:1 c5:1 e5:1 g5:2 e5:1 g5:1 c6:8")});
  song.parts.push_back({bass_voice(), parse_phrase("c3:2 r:2 g2:2 r:2 c3:8")});
  song.drums = parse_drums("K...K...C.......");
  return song;
}

}  // namespace assetgen
