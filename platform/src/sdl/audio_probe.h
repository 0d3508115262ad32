#pragma once

// A probe for measuring how long a started sound takes to reach the sound
// device: the mixer reports the first buffer with sound in it after a play.

#include <cstddef>
#include <cstdint>

namespace platform::detail {

// Called on the mixer's thread with the monotonic time (monotonic_ns()) at
// which the first non-silent buffer after a play was handed to the device.
// The mixer waits for it, and a play waits for the mixer: it must be quick and
// must not wait for a thread that may be starting a sound.
using AudioProbeListener = void (*)(std::uint64_t handed_at_ns, void* context);

// Registers the listener; null removes it. While none is registered the probe
// costs the mixer one load of a flag per buffer.
void set_audio_probe(AudioProbeListener listener, void* context);

// The voice table started a sound.
void audio_probe_note_play();

// The mixer finished a buffer of interleaved 16-bit samples.
void audio_probe_buffer_mixed(const std::int16_t* samples, std::size_t count);

}  // namespace platform::detail
