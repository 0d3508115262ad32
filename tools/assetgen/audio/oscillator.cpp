#include "audio/oscillator.h"

#include <cmath>

#include "core/exact_math.h"

namespace assetgen {

namespace {

// The correction that rounds off a step of height 2 at phase 0.
double blep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double pulse(double phase, double duty, double dt) {
  double value = phase < duty ? 1.0 : -1.0;
  value += blep(phase, dt);
  double falling = phase - duty;
  if (falling < 0) falling += 1.0;
  value -= blep(falling, dt);
  return value - (2.0 * duty - 1.0);
}

}  // namespace

double Oscillator::next(Waveform waveform, double duty, double frequency, double sample_rate) {
  const double dt = frequency / sample_rate;
  double value = 0;
  switch (waveform) {
    case Waveform::pulse:
      value = pulse(phase_, duty, dt);
      break;
    case Waveform::triangle:
      value = 4.0 * std::fabs(phase_ - 0.5) - 1.0;
      break;
    case Waveform::sine:
      value = exact_sin(kTwoPi * phase_);
      break;
  }
  phase_ += dt;
  phase_ -= std::floor(phase_);
  return value;
}

}  // namespace assetgen
