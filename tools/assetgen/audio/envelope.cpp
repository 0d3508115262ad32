#include "audio/envelope.h"

#include <algorithm>

#include "core/exact_math.h"

namespace assetgen {

namespace {

double held_level(const Envelope& envelope, double t) {
  if (t < envelope.attack) return t / envelope.attack;
  if (envelope.decay <= 0) return 1.0;
  const double falling = exact_exp(-(t - envelope.attack) / envelope.decay);
  return envelope.sustain + (1.0 - envelope.sustain) * falling;
}

}  // namespace

double envelope_level(const Envelope& envelope, double t, double gate) {
  if (t < 0) return 0;
  if (t < gate) return held_level(envelope, t);
  const double released = (t - gate) / envelope.release;
  return held_level(envelope, gate) * std::max(0.0, 1.0 - released);
}

}  // namespace assetgen
