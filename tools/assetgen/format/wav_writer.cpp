#include "format/wav_writer.h"

#include "format/byte_writer.h"

namespace assetgen {

std::vector<std::uint8_t> encode_wav_mono16(std::span<const std::int16_t> samples,
                                            std::uint32_t sample_rate) {
  constexpr std::uint16_t kChannels = 1;
  constexpr std::uint16_t kBitsPerSample = 16;
  constexpr std::uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;
  const auto data_size = static_cast<std::uint32_t>(samples.size() * kBlockAlign);

  ByteWriter out;
  out.tag("RIFF");
  out.u32(4 + (8 + 16) + (8 + data_size));
  out.tag("WAVE");
  out.tag("fmt ");
  out.u32(16);
  out.u16(1);  // integer PCM
  out.u16(kChannels);
  out.u32(sample_rate);
  out.u32(sample_rate * kBlockAlign);
  out.u16(kBlockAlign);
  out.u16(kBitsPerSample);
  out.tag("data");
  out.u32(data_size);
  for (std::int16_t sample : samples)
    out.u16(static_cast<std::uint16_t>(sample));
  return out.take();
}

}  // namespace assetgen
