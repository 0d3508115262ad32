#pragma once

namespace assetgen {

enum class Waveform { pulse, triangle, sine };

// Attack and release are straight ramps, so no note starts or stops with a
// click; between them the level falls from full towards `sustain` with the
// time constant `decay` (0 holds it at full).
struct Envelope {
  double attack = 0.005;  // seconds
  double decay = 0.0;     // seconds, time constant
  double sustain = 1.0;   // level the decay settles at
  double release = 0.03;  // seconds
};

struct Instrument {
  Waveform waveform = Waveform::pulse;
  double duty = 0.5;  // share of the cycle the pulse is high
  Envelope envelope;
  double gain = 0.3;
  double articulation = 0.92;   // share of the written length the key is held
  double vibrato_depth = 0.0;   // semitones
  double vibrato_rate = 5.5;    // Hz
  double vibrato_delay = 0.18;  // seconds before the vibrato sets in
  double lowpass_hz = 0.0;      // softening filter over the whole part; 0 for none
};

}  // namespace assetgen
