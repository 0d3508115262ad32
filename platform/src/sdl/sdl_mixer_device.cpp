#include "sdl/sdl_mixer_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstddef>
#include <cstdint>

#include "sdl/audio_probe.h"
#include "sdl/quiet_alsa.h"
#include "sdl/sdl_audio_format.h"

namespace platform::detail {
namespace {

// Channels to start with; the voice table grows this as sounds are opened.
constexpr int kFirstChannels = 16;

void SDLCALL after_mixing(void*, Uint8* stream, int length) {
  audio_probe_buffer_mixed(reinterpret_cast<const std::int16_t*>(stream),
                           static_cast<std::size_t>(length) / sizeof(std::int16_t));
}

}  // namespace

bool open_mixer_device() {
  quiet_alsa_messages();
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // No changes allowed: SDL converts to whatever the device wants, and the
  // mixer keeps filling buffers of exactly kMixBufferFrames.
  if (Mix_OpenAudioDevice(kMixRate, AUDIO_S16SYS, kMixChannels, kMixBufferFrames, nullptr, 0) !=
      0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(kFirstChannels);
  Mix_SetPostMix(&after_mixing, nullptr);
  return true;
}

void close_mixer_device() {
  Mix_SetPostMix(nullptr, nullptr);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform::detail
