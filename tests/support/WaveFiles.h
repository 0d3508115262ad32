#pragma once

#include <cmath>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Writes a mono 16-bit 22050 Hz wave file holding `milliseconds` of a quiet
// 440 Hz tone.
inline void WriteTone(const std::string& path, int milliseconds) {
  const std::uint32_t rate = 22050;
  const std::uint32_t samples = rate * static_cast<std::uint32_t>(milliseconds) / 1000;
  std::vector<std::int16_t> data(samples);
  for (std::uint32_t i = 0; i < samples; ++i) {
    data[i] = static_cast<std::int16_t>(8000 * std::sin(2 * 3.14159265358979 * 440 * i / rate));
  }
  auto u32 = [](std::ofstream& out, std::uint32_t v) { out.write(reinterpret_cast<char*>(&v), 4); };
  auto u16 = [](std::ofstream& out, std::uint16_t v) { out.write(reinterpret_cast<char*>(&v), 2); };
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  u32(out, 36 + samples * 2);
  out.write("WAVEfmt ", 8);
  u32(out, 16);
  u16(out, 1);
  u16(out, 1);
  u32(out, rate);
  u32(out, rate * 2);
  u16(out, 2);
  u16(out, 16);
  out.write("data", 4);
  u32(out, samples * 2);
  out.write(reinterpret_cast<const char*>(data.data()), samples * 2);
}
