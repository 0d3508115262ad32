#pragma once

#include "audio/instrument.h"

namespace assetgen {

// The game's small band, shared by all its tunes so they sound of a piece.
Instrument lead_voice();     // square-wave melody with a late vibrato
Instrument second_voice();   // thin pulse that doubles or answers the melody
Instrument bass_voice();     // round triangle bass
Instrument sparkle_voice();  // short plucked narrow pulse for arpeggios
Instrument pad_voice();      // soft held chords
Instrument bell_voice();     // sine bell that rings out

}  // namespace assetgen
