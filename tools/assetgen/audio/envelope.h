#pragma once

#include "audio/instrument.h"

namespace assetgen {

// Level of a note `t` seconds after it starts, its key held for `gate` seconds.
double envelope_level(const Envelope& envelope, double t, double gate);

// How long the note sounds in all: the held time plus the release.
inline double sounding_time(const Envelope& envelope, double gate) {
  return gate + envelope.release;
}

}  // namespace assetgen
