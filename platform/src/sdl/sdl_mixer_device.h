#pragma once

namespace platform::detail {

// Opens the sound output and the mixer in the format of sdl_audio_format.h.
// False, quietly, when there is no output to play on.
bool open_mixer_device();

void close_mixer_device();

}  // namespace platform::detail
