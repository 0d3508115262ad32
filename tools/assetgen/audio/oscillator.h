#pragma once

#include "audio/instrument.h"

namespace assetgen {

// One voice's waveform. The pulse's edges are smoothed (polyBLEP) so high
// notes do not fold back into harsh tones, and its average is taken out so
// a narrow pulse adds no offset.
class Oscillator {
 public:
  // The next sample at `frequency` Hz, for a `sample_rate` output.
  double next(Waveform waveform, double duty, double frequency, double sample_rate);

 private:
  double phase_ = 0;  // in cycles, [0, 1)
};

}  // namespace assetgen
