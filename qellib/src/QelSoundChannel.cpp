// A channel plays one sound at a time: a new sound is refused while the
// current one plays, unless the caller asks to interrupt it.

#include "QelLib.h"

QelSoundChannel::QelSoundChannel() : current(nullptr) {}

// A sound still playing goes on: the channel owns nothing.
QelSoundChannel::~QelSoundChannel() {}

int QelSoundChannel::Play(QelSound* sound, int interrupt) {
  if (isPlay()) {
    if (!interrupt) return 1;
    Stop();
  }
  current = sound;
  current->Play();
  return 0;
}

int QelSoundChannel::isPlay() {
  if (!current) return 0;
  const int playing = current->isPlay();
  if (playing == 0) current = nullptr;
  return playing;
}

void QelSoundChannel::Stop() {
  if (!current) return;
  current->Stop();
  current = nullptr;
}
