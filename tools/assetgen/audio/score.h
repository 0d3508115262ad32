#pragma once

#include <vector>

#include "audio/instrument.h"

namespace assetgen {

// Time in a score is counted in steps: sixteenth notes, sixteen to a bar.
inline constexpr int kStepsPerBar = 16;

struct NoteEvent {
  double start_step = 0;
  double length_steps = 1;
  int pitch = 60;
  double velocity = 1.0;
};

struct Part {
  Instrument instrument;
  std::vector<NoteEvent> notes;
};

enum class Drum { kick, snare, closed_hat, open_hat, crash, tom };

struct DrumHit {
  double step = 0;
  Drum drum = Drum::kick;
  double velocity = 1.0;
};

struct Song {
  double tempo = 120;  // beats (quarter notes) a minute
  int bars = 4;
  // Time after the last bar for ringing notes to fade. A looping tune keeps
  // it at 0 so that its length is whole bars and the restart stays in time.
  double tail_seconds = 0;
  std::vector<Part> parts;
  std::vector<DrumHit> drums;
  double drum_gain = 0.3;
  int transpose = 0;  // semitones added to every note of every part

  double seconds_per_step() const { return 60.0 / tempo / 4.0; }
  double length_seconds() const { return bars * kStepsPerBar * seconds_per_step() + tail_seconds; }
};

}  // namespace assetgen
