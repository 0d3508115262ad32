// One wave file opened for playing. Every operation first looks at the
// sticky sound error: once a command has failed, sound is off for the rest
// of the process and every operation returns that first error.

#include "LibraryState.h"
#include "QelLib.h"
#include "platform/wave.h"

namespace {

constexpr int NotOpen = -1;
const char WaveDevice[] = "waveaudio";

// The error that switched sound off, or 0.
int StickyError() {
  return LibraryState.soundError;
}

// Stores a command's result: a failure switches sound off for good.
int Remember(int result) {
  LibraryState.soundError = result;
  return result;
}

}  // namespace

QelSound::QelSound()
    : dwCallback(0),
      wDeviceID(0),
      lpstrDeviceType(nullptr),
      lpstrElementName(nullptr),
      lpstrAlias(nullptr) {}

QelSound::~QelSound() {
  if (wDeviceID != 0) Close();
}

int QelSound::GetFromFile(const char* name) {
  if (StickyError()) return StickyError();
  if (wDeviceID != 0) return NotOpen;
  dwCallback = 0;
  lpstrDeviceType = WaveDevice;
  lpstrElementName = name;
  lpstrAlias = name;  // each sound goes by its file name
  return Remember(platform::wave_open(lpstrDeviceType, lpstrElementName, lpstrAlias, &wDeviceID));
}

int QelSound::Play() {
  if (StickyError()) return StickyError();
  if (wDeviceID == 0) return NotOpen;
  return Remember(platform::wave_play(wDeviceID));
}

int QelSound::isPlay() {
  if (StickyError()) return StickyError();
  if (wDeviceID == 0) return NotOpen;
  int playing = 0;
  if (Remember(platform::wave_is_playing(wDeviceID, &playing)) != 0) return 0;
  return playing ? 1 : 0;
}

int QelSound::Stop() {
  if (StickyError()) return StickyError();
  if (wDeviceID == 0) return NotOpen;
  return Remember(platform::wave_stop(wDeviceID));
}

int QelSound::Close() {
  if (StickyError()) return StickyError();
  if (wDeviceID == 0) return NotOpen;
  const int result = Remember(platform::wave_close(wDeviceID));
  if (result == 0) wDeviceID = 0;
  return result;
}
