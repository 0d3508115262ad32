#include "audio/mastering.h"

#include <algorithm>
#include <cmath>

#include "core/exact_math.h"

namespace assetgen {

namespace {

// A high-pass at a few hertz: inaudible, but the average sits at zero.
void remove_offset(std::vector<double>& samples, double sample_rate) {
  const double keep = 1.0 - kTwoPi * 5.0 / sample_rate;
  double previous_in = 0;
  double previous_out = 0;
  for (double& sample : samples) {
    const double out = sample - previous_in + keep * previous_out;
    previous_in = sample;
    previous_out = out;
    sample = out;
  }
}

void ramp_ends(std::vector<double>& samples, double sample_rate) {
  const auto fade_in = static_cast<std::size_t>(0.002 * sample_rate);
  const auto fade_out = static_cast<std::size_t>(0.006 * sample_rate);
  const std::size_t n = samples.size();
  for (std::size_t i = 0; i < fade_in && i < n; ++i)
    samples[i] *= static_cast<double>(i) / static_cast<double>(fade_in);
  for (std::size_t i = 0; i < fade_out && i < n; ++i)
    samples[n - 1 - i] *= static_cast<double>(i) / static_cast<double>(fade_out);
}

}  // namespace

std::vector<std::int16_t> master_to_pcm(std::vector<double> mix, double sample_rate, double peak) {
  remove_offset(mix, sample_rate);
  ramp_ends(mix, sample_rate);
  double loudest = 0;
  for (double sample : mix)
    loudest = std::max(loudest, std::fabs(sample));
  const double gain = loudest > 0 ? peak * 32767.0 / loudest : 0.0;
  std::vector<std::int16_t> pcm;
  pcm.reserve(mix.size());
  for (double sample : mix)
    pcm.push_back(static_cast<std::int16_t>(std::floor(sample * gain + 0.5)));
  return pcm;
}

}  // namespace assetgen
