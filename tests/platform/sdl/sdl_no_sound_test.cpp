// Machines without sound: every open fails with kWaveNoAudioDevice, and
// nothing is printed on the way (the game writes nothing to the terminal).

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "WaveFiles.h"
#include "platform/wave.h"
#include "sound_driver.h"

namespace {

namespace fs = std::filesystem;

std::string write_tone() {
  const fs::path path =
      fs::temp_directory_path() / ("platform-sdl-no-sound-" + std::to_string(::getpid()) + ".wav");
  WriteTone(path.string(), 100);
  return path.string();
}

// Opens the same file twice (under two aliases) with stderr captured.
struct Opens {
  int first;
  int second;
  std::string printed;
};

Opens open_twice() {
  const std::string tone = write_tone();
  std::uint32_t device = 0;
  testing::internal::CaptureStderr();
  Opens opens;
  opens.first = platform::wave_open("waveaudio", tone.c_str(), "first", &device);
  opens.second = platform::wave_open("waveaudio", tone.c_str(), "second", &device);
  opens.printed = testing::internal::GetCapturedStderr();
  fs::remove(tone);
  return opens;
}

TEST(NoSoundDevice, EveryOpenFailsQuietly) {
  if (!use_sound_driver("none-such")) GTEST_SKIP() << "another sound driver is in use";
  const Opens opens = open_twice();
  EXPECT_EQ(opens.first, platform::kWaveNoAudioDevice);
  EXPECT_EQ(opens.second, platform::kWaveNoAudioDevice);
  EXPECT_EQ(opens.printed, "");
}

// Linux's own sound library: on a machine without a sound card it would
// print its complaints; with one it opens. Either way nothing is printed.
TEST(NoSoundDevice, AlsaIsQuietWhateverItFinds) {
  if (!use_sound_driver("alsa")) GTEST_SKIP() << "another sound driver is in use";
  const Opens opens = open_twice();
  EXPECT_TRUE(opens.first == platform::kWaveOk || opens.first == platform::kWaveNoAudioDevice)
      << opens.first;
  EXPECT_EQ(opens.second, opens.first);
  EXPECT_EQ(opens.printed, "");
}

}  // namespace
