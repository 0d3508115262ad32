#include "common/wave_file.h"

#include <fstream>
#include <iterator>
#include <vector>

namespace platform::detail {
namespace {

std::uint32_t read_u32(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 |
         static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t read_u16(std::span<const std::uint8_t> bytes, std::size_t at) {
  return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

bool has_tag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5]) {
  for (std::size_t i = 0; i < 4; ++i) {
    if (bytes[at + i] != static_cast<std::uint8_t>(tag[i])) return false;
  }
  return true;
}

bool read_format_chunk(std::span<const std::uint8_t> chunk, WaveFormat& format) {
  if (chunk.size() < 16) return false;
  const std::uint16_t encoding = read_u16(chunk, 0);
  format.channels = read_u16(chunk, 2);
  format.sample_rate = read_u32(chunk, 4);
  format.bits_per_sample = read_u16(chunk, 14);
  const bool pcm = encoding == 1;
  const bool channels_ok = format.channels == 1 || format.channels == 2;
  const bool depth_ok = format.bits_per_sample == 8 || format.bits_per_sample == 16;
  const bool rate_ok = format.sample_rate >= 1000 && format.sample_rate <= 192000;
  return pcm && channels_ok && depth_ok && rate_ok;
}

std::uint32_t duration_of(const WaveFormat& format) {
  const std::uint64_t bytes_per_second =
      std::uint64_t{format.sample_rate} * format.channels * (format.bits_per_sample / 8);
  return static_cast<std::uint32_t>(
      (std::uint64_t{format.data_bytes} * 1000 + bytes_per_second - 1) / bytes_per_second);
}

}  // namespace

std::optional<WaveFormat> parse_wave(std::span<const std::uint8_t> file) {
  if (file.size() < 12 || !has_tag(file, 0, "RIFF") || !has_tag(file, 8, "WAVE")) return {};
  WaveFormat format;
  bool have_format = false;
  bool have_data = false;
  std::size_t at = 12;
  while (at + 8 <= file.size() && !(have_format && have_data)) {
    const std::uint32_t size = read_u32(file, at + 4);
    const std::size_t body = at + 8;
    const std::size_t present = std::min<std::size_t>(size, file.size() - body);
    if (has_tag(file, at, "fmt ")) {
      if (present < size || !read_format_chunk(file.subspan(body, present), format)) return {};
      have_format = true;
    } else if (has_tag(file, at, "data")) {
      // A data chunk cut short still plays what is there.
      format.data_bytes = static_cast<std::uint32_t>(present);
      have_data = true;
    }
    if (present < size) break;
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  if (!have_format || !have_data) return {};
  format.duration_ms = duration_of(format);
  return format;
}

std::optional<WaveFormat> read_wave_format(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  return parse_wave(bytes);
}

}  // namespace platform::detail
