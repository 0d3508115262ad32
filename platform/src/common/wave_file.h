#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform::detail {

// What the wave player needs to know of a RIFF/WAVE file before it plays it.
struct WaveFormat {
  std::uint16_t channels = 0;
  std::uint32_t sample_rate = 0;
  std::uint16_t bits_per_sample = 0;
  std::uint32_t data_bytes = 0;   // sample bytes actually present in the file
  std::uint32_t duration_ms = 0;  // rounded up, so a sound never ends early
};

// Reads the headers of an uncompressed PCM wave (8 or 16 bits, 1 or 2
// channels). Nothing when the bytes are not such a file.
std::optional<WaveFormat> parse_wave(std::span<const std::uint8_t> file);

// The same for a file on disk; nothing when it cannot be read or parsed.
std::optional<WaveFormat> read_wave_format(const std::string& path);

}  // namespace platform::detail
