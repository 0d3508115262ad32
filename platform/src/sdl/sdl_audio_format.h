#pragma once

// The format the mixer hands the sound device, whatever the files hold: every
// sound is converted to it when it is opened.

namespace platform::detail {

constexpr int kMixRate = 44100;     // frames a second
constexpr int kMixChannels = 2;     // interleaved left, right
constexpr int kMixSampleBytes = 2;  // signed 16-bit, the machine's byte order

// Frames the mixer fills at a time. A sound that is started goes out with the
// next buffer, so this bounds an effect's delay: 512 frames are 11.6 ms.
constexpr int kMixBufferFrames = 512;

}  // namespace platform::detail
