#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace assetgen {

// A RIFF/WAVE file of 16-bit signed mono PCM.
std::vector<std::uint8_t> encode_wav_mono16(std::span<const std::int16_t> samples,
                                            std::uint32_t sample_rate);

}  // namespace assetgen
