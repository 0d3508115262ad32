#include "audio/renderer.h"

#include <algorithm>
#include <cmath>

#include "audio/drums.h"
#include "audio/envelope.h"
#include "audio/oscillator.h"
#include "audio/pitch.h"
#include "core/exact_math.h"

namespace assetgen {

namespace {

constexpr double kSemitoneShare = 0.057762265;  // ln 2 / 12: a semitone as a share of the frequency

std::size_t sample_at(double seconds, double sample_rate) {
  return static_cast<std::size_t>(std::floor(seconds * sample_rate + 0.5));
}

double vibrato_factor(const Instrument& instrument, double t) {
  if (instrument.vibrato_depth <= 0) return 1.0;
  const double fade_in = std::clamp((t - instrument.vibrato_delay) / 0.15, 0.0, 1.0);
  const double wobble = exact_sin(kTwoPi * instrument.vibrato_rate * t);
  return 1.0 + instrument.vibrato_depth * kSemitoneShare * fade_in * wobble;
}

void render_note(const Instrument& instrument, const NoteEvent& note, double seconds_per_step,
                 int transpose, double sample_rate, std::vector<double>& part) {
  const std::size_t start = sample_at(note.start_step * seconds_per_step, sample_rate);
  if (start >= part.size()) return;
  const double room = static_cast<double>(part.size() - start) / sample_rate;
  const double gate =
      std::max(0.0, std::min(note.length_steps * seconds_per_step * instrument.articulation,
                             room - instrument.envelope.release));
  const auto samples =
      static_cast<std::size_t>(std::ceil(sounding_time(instrument.envelope, gate) * sample_rate));
  const double frequency = note_frequency(note.pitch + transpose);
  Oscillator oscillator;
  for (std::size_t i = 0; i < samples && start + i < part.size(); ++i) {
    const double t = static_cast<double>(i) / sample_rate;
    const double wave = oscillator.next(instrument.waveform, instrument.duty,
                                        frequency * vibrato_factor(instrument, t), sample_rate);
    part[start + i] += wave * envelope_level(instrument.envelope, t, gate) * note.velocity;
  }
}

// A gentle one-pole low-pass that takes the edge off bright pulse parts.
void soften(std::vector<double>& samples, double cutoff_hz, double sample_rate) {
  const double keep = exact_exp(-kTwoPi * cutoff_hz / sample_rate);
  double state = 0;
  for (double& sample : samples) {
    state = sample + keep * (state - sample);
    sample = state;
  }
}

void render_part(const Part& part, double seconds_per_step, int transpose, double sample_rate,
                 std::vector<double>& out) {
  std::vector<double> voice(out.size(), 0.0);
  for (const NoteEvent& note : part.notes)
    render_note(part.instrument, note, seconds_per_step, transpose, sample_rate, voice);
  if (part.instrument.lowpass_hz > 0) soften(voice, part.instrument.lowpass_hz, sample_rate);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] += part.instrument.gain * voice[i];
}

}  // namespace

std::vector<double> render_song(const Song& song, double sample_rate) {
  std::vector<double> mix(sample_at(song.length_seconds(), sample_rate), 0.0);
  for (const Part& part : song.parts)
    render_part(part, song.seconds_per_step(), song.transpose, sample_rate, mix);
  std::vector<double> drums(mix.size(), 0.0);
  NoiseSource noise(0x4B454C56u);
  for (const DrumHit& hit : song.drums)
    add_drum_hit(hit.drum, hit.velocity, sample_at(hit.step * song.seconds_per_step(), sample_rate),
                 sample_rate, noise, drums);
  for (std::size_t i = 0; i < mix.size(); ++i)
    mix[i] += song.drum_gain * drums[i];
  return mix;
}

}  // namespace assetgen
