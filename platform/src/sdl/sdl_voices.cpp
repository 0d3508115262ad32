#include "sdl/sdl_voices.h"

#include <SDL_mixer.h>

#include <algorithm>

#include "platform/wave.h"
#include "sdl/audio_probe.h"
#include "sdl/sdl_runtime.h"

namespace platform::detail {

void SdlVoices::FreeChunk::operator()(Mix_Chunk* chunk) const {
  Mix_FreeChunk(chunk);
}

SdlVoices::~SdlVoices() {
  close_all();
}

int SdlVoices::open(const VoiceSource& source, std::uint32_t* voice) {
  if (!start_sdl_audio()) return kWaveNoAudioDevice;
  // Loading converts the whole file to the mixer's format; it reads the disk,
  // so it runs outside the lock.
  std::unique_ptr<Mix_Chunk, FreeChunk> chunk(Mix_LoadWAV(source.path.c_str()));
  if (!chunk) return kWaveNotWaveFile;
  std::lock_guard lock(lock_);
  const int channel = take_channel_locked();
  if (channel < 0) return kWaveOutOfVoices;
  const std::uint32_t id = next_id_locked();
  voices_.emplace(id, Voice{std::move(chunk), channel});
  *voice = id;
  return kWaveOk;
}

int SdlVoices::play(std::uint32_t voice) {
  std::lock_guard lock(lock_);
  Voice* found = find_locked(voice);
  if (found == nullptr) return kWaveBadDevice;
  audio_probe_note_play();
  // On its own channel, playing again replaces the sound with its beginning.
  if (Mix_PlayChannel(found->channel, found->chunk.get(), 0) < 0) return kWaveNoAudioDevice;
  return kWaveOk;
}

int SdlVoices::playing(std::uint32_t voice, int* playing) {
  std::lock_guard lock(lock_);
  Voice* found = find_locked(voice);
  if (found == nullptr) return kWaveBadDevice;
  *playing = Mix_Playing(found->channel) != 0 ? 1 : 0;
  return kWaveOk;
}

int SdlVoices::stop(std::uint32_t voice) {
  std::lock_guard lock(lock_);
  Voice* found = find_locked(voice);
  if (found == nullptr) return kWaveBadDevice;
  Mix_HaltChannel(found->channel);
  return kWaveOk;
}

int SdlVoices::close(std::uint32_t voice) {
  std::lock_guard lock(lock_);
  auto found = voices_.find(voice);
  if (found == voices_.end()) return kWaveBadDevice;
  Mix_HaltChannel(found->second.channel);
  channel_taken_[static_cast<std::size_t>(found->second.channel)] = false;
  voices_.erase(found);  // frees the chunk, now that no channel plays it
  return kWaveOk;
}

void SdlVoices::close_all() {
  std::lock_guard lock(lock_);
  for (auto& [id, voice] : voices_) {
    Mix_HaltChannel(voice.channel);
  }
  voices_.clear();
  channel_taken_.clear();
}

SdlVoices::Voice* SdlVoices::find_locked(std::uint32_t voice) {
  auto found = voices_.find(voice);
  return found == voices_.end() ? nullptr : &found->second;
}

int SdlVoices::take_channel_locked() {
  auto free = std::find(channel_taken_.begin(), channel_taken_.end(), false);
  const auto channel = static_cast<int>(free - channel_taken_.begin());
  const int have = Mix_AllocateChannels(-1);
  if (channel >= have && Mix_AllocateChannels(std::max(channel + 1, have * 2)) <= channel) {
    return -1;
  }
  if (free == channel_taken_.end()) channel_taken_.push_back(false);
  channel_taken_[static_cast<std::size_t>(channel)] = true;
  return channel;
}

std::uint32_t SdlVoices::next_id_locked() {
  // Never 0, never one that is open; wraps only after four billion opens.
  do {
    ++last_id_;
  } while (last_id_ == 0 || voices_.contains(last_id_));
  return last_id_;
}

}  // namespace platform::detail
