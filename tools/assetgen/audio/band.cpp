#include "audio/band.h"

namespace assetgen {

Instrument lead_voice() {
  Instrument voice;
  voice.waveform = Waveform::pulse;
  voice.duty = 0.5;
  voice.envelope = {.attack = 0.006, .decay = 0.35, .sustain = 0.7, .release = 0.05};
  voice.gain = 0.24;
  voice.articulation = 0.9;
  voice.vibrato_depth = 0.22;
  voice.vibrato_delay = 0.2;
  voice.lowpass_hz = 5200;
  return voice;
}

Instrument second_voice() {
  Instrument voice;
  voice.waveform = Waveform::pulse;
  voice.duty = 0.25;
  voice.envelope = {.attack = 0.006, .decay = 0.25, .sustain = 0.55, .release = 0.05};
  voice.gain = 0.13;
  voice.articulation = 0.88;
  voice.lowpass_hz = 4200;
  return voice;
}

Instrument bass_voice() {
  Instrument voice;
  voice.waveform = Waveform::triangle;
  voice.envelope = {.attack = 0.004, .decay = 0.4, .sustain = 0.75, .release = 0.04};
  voice.gain = 0.52;
  voice.articulation = 0.86;
  return voice;
}

Instrument sparkle_voice() {
  Instrument voice;
  voice.waveform = Waveform::pulse;
  voice.duty = 0.125;
  voice.envelope = {.attack = 0.003, .decay = 0.07, .sustain = 0.2, .release = 0.03};
  voice.gain = 0.11;
  voice.articulation = 0.8;
  voice.lowpass_hz = 3800;
  return voice;
}

Instrument pad_voice() {
  Instrument voice;
  voice.waveform = Waveform::pulse;
  voice.duty = 0.5;
  voice.envelope = {.attack = 0.09, .decay = 0.8, .sustain = 0.6, .release = 0.35};
  voice.gain = 0.07;
  voice.articulation = 0.95;
  voice.vibrato_depth = 0.08;
  voice.vibrato_rate = 4.5;
  voice.lowpass_hz = 1500;
  return voice;
}

Instrument bell_voice() {
  Instrument voice;
  voice.waveform = Waveform::sine;
  voice.envelope = {.attack = 0.003, .decay = 0.22, .sustain = 0.0, .release = 0.08};
  voice.gain = 0.16;
  voice.articulation = 1.0;
  return voice;
}

}  // namespace assetgen
