#include <algorithm>
#include <array>

#include "audio/effects/effects.h"
#include "audio/noise.h"
#include "core/exact_math.h"

namespace assetgen {

namespace {

constexpr double kLength = 0.17;  // seconds

// A struck metal bar: partials at its inharmonic mode ratios, the higher
// ones dying faster.
struct Partial {
  double ratio;
  double level;
  double decay;  // time constant, seconds
};

constexpr double kBaseFrequency = 1680.0;
constexpr std::array<Partial, 4> kPartials = {{
    {1.0, 1.0, 0.055},
    {2.756, 0.55, 0.032},
    {5.404, 0.3, 0.018},
    {8.933, 0.16, 0.01},
}};

}  // namespace

std::vector<double> catch_clink(double sample_rate) {
  const auto samples = static_cast<std::size_t>(kLength * sample_rate);
  std::vector<double> out(samples, 0.0);
  NoiseSource noise(0xC11Cu);
  double previous = 0;
  for (std::size_t i = 0; i < samples; ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    double ring = 0;
    for (const Partial& partial : kPartials)
      ring += partial.level * exact_sin(kTwoPi * kBaseFrequency * partial.ratio * t) *
              exact_exp(-t / partial.decay);
    // The tick of the strike itself: a few milliseconds of bright noise.
    const double white = noise.next();
    const double tick = 0.5 * (white - previous) * exact_exp(-t / 0.003);
    previous = white;
    const double rise = std::min(1.0, t / 0.002);
    const double end = std::clamp((kLength - t) / 0.02, 0.0, 1.0);
    out[i] = rise * end * (ring + tick);
  }
  return out;
}

}  // namespace assetgen
