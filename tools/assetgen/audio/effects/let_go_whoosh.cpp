#include <algorithm>
#include <cmath>

#include "audio/effects/effects.h"
#include "audio/noise.h"
#include "audio/oscillator.h"
#include "core/exact_math.h"

namespace assetgen {

namespace {

constexpr double kLength = 0.16;  // seconds

// Rises in 3 ms, then dies away, reaching silence exactly at the end.
double whoosh_envelope(double t) {
  const double rise = std::min(1.0, t / 0.003);
  const double fall = exact_exp(-t / 0.05);
  const double end = std::clamp((kLength - t) / 0.02, 0.0, 1.0);
  return rise * fall * end;
}

}  // namespace

// A falling blip for the rope springing loose, over a breath of air whose
// pitch rises as the climber flies off.
std::vector<double> let_go_whoosh(double sample_rate) {
  const auto samples = static_cast<std::size_t>(kLength * sample_rate);
  std::vector<double> out(samples, 0.0);
  Oscillator blip;
  NoiseSource noise(0x1E760u);
  double air = 0;
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    const double frequency = 260.0 + 840.0 * exact_exp(-t / 0.04);
    const double tone = blip.next(Waveform::triangle, 0.5, frequency, sample_rate);
    // A low-pass whose corner sweeps upward turns white noise into a whoosh.
    const double corner = 600.0 + 5000.0 * t / kLength;
    const double pull = 1.0 - exact_exp(-kTwoPi * corner / sample_rate);
    air += pull * (noise.next() - air);
    out[i] = whoosh_envelope(t) * (0.7 * tone + 0.6 * air);
  }
  return out;
}

}  // namespace assetgen
