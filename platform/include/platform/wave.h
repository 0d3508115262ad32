#pragma once

#include <cstdint>

namespace platform {

// The wave player: plays RIFF/WAVE PCM files in the background, each open
// file on a voice of its own, so that several sounds overlap.
//
// A file name is looked up relative to the current directory first. When it is
// not there and it is a plain file name (no directory part, not "." or ".."),
// it is looked up in the program's own sound folder: "sounds" beside the
// running program, then "../share/<program>/sounds" from there.

// Results: 0 for success, otherwise one of these. Each cause has its own code.
enum WaveResult : int {
  kWaveOk = 0,
  kWaveFileMissing = 275,    // no such file here or in the sound folder
  kWaveNotWaveFile = 276,    // not RIFF/WAVE PCM, or damaged
  kWaveNoAudioDevice = 277,  // there is no audio output to play on
  kWaveAliasInUse = 289,     // another open sound already has this alias
  kWaveBadDevice = 257,      // the device number is not an open sound
  kWaveBadDeviceType = 266,  // the device type is not "waveaudio"
  kWaveOutOfVoices = 258,    // too many sounds open at once
};

// Opens `file` under `alias`; on success writes its device number (never 0)
// to *device.
int wave_open(const char* device_type, const char* file, const char* alias, std::uint32_t* device);

// Plays the sound from its beginning, also when it is playing already.
int wave_play(std::uint32_t device);

// Writes 1 to *playing while the sound plays, else 0.
int wave_is_playing(std::uint32_t device, int* playing);

int wave_stop(std::uint32_t device);

// Stops and closes the sound; its device number and alias become free.
int wave_close(std::uint32_t device);

}  // namespace platform
