// Every committed wave file is 22050 Hz 16-bit mono PCM of a length that
// suits its part in the game, levelled below full scale, centred on zero,
// and silent at both ends so that starting, stopping and restarting it
// never clicks.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "committed_files.h"

namespace asset_test {
namespace {

struct WaveFormat {
  std::uint32_t format = 0;
  std::uint32_t channels = 0;
  std::uint32_t sample_rate = 0;
  std::uint32_t byte_rate = 0;
  std::uint32_t block_align = 0;
  std::uint32_t bits = 0;
};

struct Wave {
  bool riff = false;
  bool has_format = false;
  bool has_data = false;
  WaveFormat format;
  std::vector<std::int16_t> samples;
};

Wave read_wave(const std::string& name) {
  const Bytes file = read_bytes(sound_dir() / name);
  Wave wave;
  wave.riff = file.size() >= 12 && std::string(file.begin(), file.begin() + 4) == "RIFF" &&
              std::string(file.begin() + 8, file.begin() + 12) == "WAVE" &&
              u32_at(file, 4) == file.size() - 8;
  for (std::size_t at = 12; wave.riff && at + 8 <= file.size();) {
    const std::string id(file.begin() + static_cast<long>(at),
                         file.begin() + static_cast<long>(at) + 4);
    const std::size_t length = u32_at(file, at + 4);
    const std::size_t body = at + 8;
    if (body + length > file.size()) break;
    if (id == "fmt ") {
      wave.has_format = true;
      wave.format = {u16_at(file, body),     u16_at(file, body + 2),  u32_at(file, body + 4),
                     u32_at(file, body + 8), u16_at(file, body + 12), u16_at(file, body + 14)};
    } else if (id == "data") {
      wave.has_data = true;
      for (std::size_t i = 0; i + 1 < length; i += 2)
        wave.samples.push_back(static_cast<std::int16_t>(u16_at(file, body + i)));
    }
    at = body + length + (length % 2);
  }
  return wave;
}

struct WaveCase {
  std::string file;
  double shortest;  // seconds
  double longest;
  const char* role;
};

void PrintTo(const WaveCase& c, std::ostream* out) {
  *out << c.file << " (" << c.role << ")";
}

class CommittedWave : public testing::TestWithParam<WaveCase> {};

TEST_P(CommittedWave, IsPcmOfItsLengthAndCleanlyLevelled) {
  const WaveCase& c = GetParam();
  const Wave wave = read_wave(c.file);
  ASSERT_TRUE(wave.riff && wave.has_format && wave.has_data) << "not a whole RIFF/WAVE file";
  EXPECT_EQ(wave.format.format, 1u) << "integer PCM";
  EXPECT_EQ(wave.format.channels, 1u);
  EXPECT_EQ(wave.format.sample_rate, 22050u);
  EXPECT_EQ(wave.format.bits, 16u);
  EXPECT_EQ(wave.format.block_align, 2u);
  EXPECT_EQ(wave.format.byte_rate, 44100u);

  const double seconds = static_cast<double>(wave.samples.size()) / 22050.0;
  EXPECT_GE(seconds, c.shortest);
  EXPECT_LE(seconds, c.longest);

  int peak = 0;
  double sum = 0;
  for (std::int16_t s : wave.samples) {
    peak = std::max(peak, std::abs(static_cast<int>(s)));
    sum += s;
  }
  // Between -6 dBFS and -0.5 dBFS: loud enough to hear, never touching the rails.
  EXPECT_GT(peak, 16384);
  EXPECT_LT(peak, 30900);
  EXPECT_LT(std::abs(sum / static_cast<double>(wave.samples.size())), 33.0) << "offset from zero";

  // The first and last few samples stay below 1% of full scale.
  ASSERT_GT(wave.samples.size(), 16u);
  for (std::size_t i = 0; i < 8; ++i) {
    EXPECT_LT(std::abs(wave.samples[i]), 328) << "sample " << i;
    EXPECT_LT(std::abs(wave.samples[wave.samples.size() - 1 - i]), 328)
        << "sample from the end " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    GameSounds, CommittedWave,
    testing::Values(WaveCase{"1.wav", 20, 30, "ending tune, restarts when it ends"},
                    WaveCase{"2.wav", 10, 16, "opening tune, played once"},
                    WaveCase{"3.wav", 16, 30, "title tune, loops"},
                    WaveCase{"4.wav", 1.5, 2.5, "start jingle"},
                    WaveCase{"5.wav", 20, 40, "stage tune, loops"},
                    WaveCase{"128.wav", 0.1, 0.2, "let go"}, WaveCase{"130.wav", 0.1, 0.2, "catch"},
                    WaveCase{"131.wav", 0.6, 1.2, "goal"}),
    [](const testing::TestParamInfo<WaveCase>& info) {
      return "Wave" + info.param.file.substr(0, info.param.file.find('.'));
    });

}  // namespace
}  // namespace asset_test
