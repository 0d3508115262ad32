#include "audio/drums.h"

#include <algorithm>
#include <cmath>

#include "core/exact_math.h"

namespace assetgen {

namespace {

struct DrumVoice {
  double length;       // seconds until silence
  double noise_decay;  // time constant of the noise part; 0 for none
  double noise_level;
  double brightness;  // 0 keeps the noise full, 1 leaves only its top end
  double tone_start;  // Hz at the stroke
  double tone_end;    // Hz the tone settles at
  double sweep;       // time constant of the pitch fall
  double tone_decay;  // time constant of the tone; 0 for none
  double tone_level;
};

DrumVoice voice_of(Drum drum) {
  switch (drum) {
    case Drum::kick:
      return {0.30, 0.004, 0.35, 0.0, 160, 48, 0.03, 0.11, 1.0};
    case Drum::snare:
      return {0.22, 0.06, 0.75, 0.55, 240, 180, 0.02, 0.045, 0.55};
    case Drum::closed_hat:
      return {0.06, 0.014, 0.45, 1.0, 0, 0, 1, 0, 0};
    case Drum::open_hat:
      return {0.28, 0.08, 0.38, 1.0, 0, 0, 1, 0, 0};
    case Drum::crash:
      return {1.30, 0.38, 0.42, 0.85, 0, 0, 1, 0, 0};
    case Drum::tom:
      return {0.36, 0.01, 0.2, 0.3, 190, 110, 0.05, 0.14, 0.9};
  }
  return {0.1, 0, 0, 0, 0, 0, 1, 0, 0};
}

// A 1 ms rise and a 10 ms fall at the ends of every stroke.
double edge_ramp(double t, double length) {
  const double rise = std::min(1.0, t / 0.001);
  const double fall = std::clamp((length - t) / 0.010, 0.0, 1.0);
  return rise * fall;
}

}  // namespace

void add_drum_hit(Drum drum, double velocity, std::size_t start, double sample_rate,
                  NoiseSource& noise, std::vector<double>& out) {
  DrumVoice voice = voice_of(drum);
  if (start >= out.size()) return;
  // A stroke near the end of a tune dies away before the end instead of being cut.
  voice.length = std::min(voice.length, static_cast<double>(out.size() - start) / sample_rate);
  const auto samples = static_cast<std::size_t>(voice.length * sample_rate);
  double phase = 0;
  double previous_noise = 0;
  for (std::size_t i = 0; i < samples && start + i < out.size(); ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    double value = 0;
    if (voice.noise_decay > 0) {
      const double white = noise.next();
      const double bright = white - previous_noise;  // first difference: the hiss without its body
      previous_noise = white;
      const double hiss = (1.0 - voice.brightness) * white + voice.brightness * 0.5 * bright;
      value += voice.noise_level * hiss * exact_exp(-t / voice.noise_decay);
    }
    if (voice.tone_decay > 0) {
      const double frequency =
          voice.tone_end + (voice.tone_start - voice.tone_end) * exact_exp(-t / voice.sweep);
      phase += frequency / sample_rate;
      phase -= std::floor(phase);
      value += voice.tone_level * exact_sin(kTwoPi * phase) * exact_exp(-t / voice.tone_decay);
    }
    out[start + i] += velocity * value * edge_ramp(t, voice.length);
  }
}

}  // namespace assetgen
