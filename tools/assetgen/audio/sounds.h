#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

// Every wave file is 22050 Hz, 16-bit, mono.
inline constexpr std::uint32_t kSampleRate = 22050;

struct NamedSound {
  std::string file_name;
  std::vector<std::int16_t> samples;
};

// The three effects and the five tunes, rendered and levelled.
std::vector<NamedSound> render_all_sounds();

}  // namespace assetgen
