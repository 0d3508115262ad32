#include "audio/band.h"
#include "audio/notation.h"
#include "audio/songs/songs.h"

namespace assetgen {

// About a second of triumph: a fast climb to a high C with its chord.
Song goal_fanfare() {
  Song song;
  song.tempo = 240;
  song.bars = 1;
  song.tail_seconds = 0.15;
  song.drum_gain = 0.25;

  Instrument lead = lead_voice();
  lead.vibrato_delay = 0.12;
  lead.envelope.release = 0.12;
  Instrument harmony = second_voice();
  harmony.envelope.release = 0.12;
  song.parts.push_back({lead, parse_phrase("g5:1 c6:1 e6:1 g6:1 e6:1 g6:1 c7:10")});
  song.parts.push_back({harmony, parse_phrase("e5:1 g5:1 c6:1 e6:1 c6:1 e6:1 g6:10")});
  song.parts.push_back({bass_voice(), parse_phrase("c4:6 c3:10")});
  song.drums = parse_drums("K.....C.........");
  return song;
}

}  // namespace assetgen
