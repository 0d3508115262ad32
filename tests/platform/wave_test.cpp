// The wave player's bookkeeping on the simulated desktop: finding files,
// refusing what cannot play, and playing for the file's real duration.

#include "platform/wave.h"

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SimFixture.h"
#include "WaveFiles.h"
#include "platform/clock.h"

namespace {

namespace fs = std::filesystem;

class WaveTest : public SimTest {
 protected:
  void SetUp() override {
    SimTest::SetUp();
    folder_ = fs::temp_directory_path() / ("kelvro-wave-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
    SimTest::TearDown();
  }

  fs::path folder_;
  fs::path previous_;
};

TEST_F(WaveTest, OpensPlaysForItsDurationAndCloses) {
  WriteTone("tone.wav", 250);
  std::uint32_t device = 0;
  ASSERT_EQ(platform::wave_open("waveaudio", "tone.wav", "tone.wav", &device), platform::kWaveOk);
  EXPECT_NE(device, 0u);
  int playing = -1;
  EXPECT_EQ(platform::wave_is_playing(device, &playing), platform::kWaveOk);
  EXPECT_EQ(playing, 0);

  EXPECT_EQ(platform::wave_play(device), platform::kWaveOk);
  platform::sleep_ms(249);
  platform::wave_is_playing(device, &playing);
  EXPECT_EQ(playing, 1);
  platform::sleep_ms(1);
  platform::wave_is_playing(device, &playing);
  EXPECT_EQ(playing, 0);

  // A replay starts from the beginning again.
  platform::wave_play(device);
  platform::sleep_ms(100);
  platform::wave_is_playing(device, &playing);
  EXPECT_EQ(playing, 1);
  EXPECT_EQ(platform::wave_stop(device), platform::kWaveOk);
  platform::wave_is_playing(device, &playing);
  EXPECT_EQ(playing, 0);

  EXPECT_EQ(platform::wave_close(device), platform::kWaveOk);
  EXPECT_EQ(platform::wave_play(device), platform::kWaveBadDevice);

  std::vector<std::string> commands;
  for (const auto& event : platform::sim::wave_log())
    commands.push_back(event.command);
  EXPECT_EQ(commands, (std::vector<std::string>{"open", "play", "play", "stop", "close"}));
  EXPECT_EQ(platform::sim::wave_log()[1].time_ms, 0u);
  EXPECT_EQ(platform::sim::wave_log()[2].time_ms, 250u);
}

TEST_F(WaveTest, EachCauseOfFailureHasItsOwnCode) {
  WriteTone("tone.wav", 100);
  { std::ofstream("text.wav") << "this is not a wave file"; }
  std::uint32_t device = 0;
  struct Case {
    const char* type;
    const char* file;
    int expected;
  } cases[] = {
      {"cdaudio", "tone.wav", platform::kWaveBadDeviceType},
      {"waveaudio", "missing.wav", platform::kWaveFileMissing},
      {"waveaudio", "text.wav", platform::kWaveNotWaveFile},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::wave_open(c.type, c.file, c.file, &device), c.expected) << c.file;
  }
  ASSERT_EQ(platform::wave_open("waveaudio", "tone.wav", "tone.wav", &device), platform::kWaveOk);
  std::uint32_t second = 0;
  EXPECT_EQ(platform::wave_open("waveaudio", "tone.wav", "tone.wav", &second),
            platform::kWaveAliasInUse);
  platform::sim::set_audio_device(false);
  EXPECT_EQ(platform::wave_open("waveaudio", "tone.wav", "other", &second),
            platform::kWaveNoAudioDevice);
}

TEST_F(WaveTest, PlainNamesFallBackToTheProgramsSoundFolderAndNothingEscapesIt) {
  const fs::path sounds = fs::read_symlink("/proc/self/exe").parent_path() / "sounds";
  fs::create_directories(sounds);
  const std::string name = "fallback-" + std::to_string(::getpid()) + ".wav";
  WriteTone((sounds / name).string(), 50);

  std::uint32_t device = 0;
  EXPECT_EQ(platform::wave_open("waveaudio", name.c_str(), name.c_str(), &device),
            platform::kWaveOk);
  const std::string escapes[] = {"../sounds/" + name, "sounds/" + name, "/" + name, ".."};
  for (const std::string& escape : escapes) {
    EXPECT_EQ(platform::wave_open("waveaudio", escape.c_str(), escape.c_str(), &device),
              platform::kWaveFileMissing)
        << escape;
  }
  fs::remove(sounds / name);
}

}  // namespace
