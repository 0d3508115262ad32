// SDL_mixer end to end on SDL's disk driver, which writes what would go to
// the sound card into a file: what the tests hear is what a user would.

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "WaveFiles.h"
#include "platform/wave.h"
#include "sdl/sdl_audio_format.h"
#include "sound_driver.h"

namespace {

namespace fs = std::filesystem;
using platform::detail::kMixBufferFrames;
using platform::detail::kMixChannels;
using platform::detail::kMixRate;

constexpr int kToneMs = 300;  // WriteTone: 440 Hz, amplitude 8000
constexpr int kLoud = 2000;   // a sample this far from 0 is the tone, not silence
constexpr auto kDeadline = std::chrono::seconds(10);

int frames_of(int milliseconds) {
  return kMixRate * milliseconds / 1000;
}

// The tone's part of some output: where it starts and ends, and its cycles.
struct Heard {
  int first = -1;  // frame
  int last = -1;
  int cycles = 0;  // rising zero crossings between first and last
  bool channels_equal = true;
  int frames() const { return first < 0 ? 0 : last - first + 1; }
};

Heard listen(const std::vector<std::int16_t>& samples) {
  Heard heard;
  const int frames = static_cast<int>(samples.size()) / kMixChannels;
  for (int f = 0; f < frames; ++f) {
    const std::int16_t left = samples[f * kMixChannels];
    if (left != samples[f * kMixChannels + 1]) heard.channels_equal = false;
    if (std::abs(left) < kLoud) continue;
    if (heard.first < 0) heard.first = f;
    heard.last = f;
  }
  for (int f = heard.first + 1; heard.first >= 0 && f <= heard.last; ++f) {
    if (samples[(f - 1) * kMixChannels] < 0 && samples[f * kMixChannels] >= 0) ++heard.cycles;
  }
  return heard;
}

class DiskSound : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (!use_sound_driver("disk")) return;
    folder_ = fs::temp_directory_path() / ("platform-sdl-sound-" + std::to_string(::getpid()));
    fs::create_directories(*folder_);
    setenv("SDL_DISKAUDIOFILE", (*folder_ / "device.raw").c_str(), 1);
  }

  static void TearDownTestSuite() {
    // The device keeps writing into its file, unlinked, until the process ends.
    if (folder_) fs::remove_all(*folder_);
    folder_.reset();
  }

  void SetUp() override {
    if (!folder_) GTEST_SKIP() << "another sound driver is in use in this process";
    mark_ = output_bytes();
  }

  std::uint32_t open_tone(const std::string& name) {
    const std::string path = (*folder_ / name).string();
    WriteTone(path, kToneMs);
    std::uint32_t device = 0;
    EXPECT_EQ(platform::wave_open("waveaudio", path.c_str(), path.c_str(), &device),
              platform::kWaveOk);
    return device;
  }

  static int playing(std::uint32_t device) {
    int answer = -1;
    EXPECT_EQ(platform::wave_is_playing(device, &answer), platform::kWaveOk);
    return answer;
  }

  static void wait_until_ended(std::uint32_t device) {
    const auto give_up = std::chrono::steady_clock::now() + kDeadline;
    while (playing(device) == 1 && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  // The device has written at least `frames` frames of sound since the mark.
  void wait_for_heard(int frames) {
    const auto give_up = std::chrono::steady_clock::now() + kDeadline;
    while (listen(output()).frames() < frames && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  // The mixer may still hold the last buffers; wait until a few more have
  // been written, so that everything mixed so far is in the file.
  void wait_for_flush() {
    const std::uintmax_t target =
        output_bytes() + 4 * kMixBufferFrames * kMixChannels * sizeof(std::int16_t);
    const auto give_up = std::chrono::steady_clock::now() + kDeadline;
    while (output_bytes() < target && std::chrono::steady_clock::now() < give_up) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }

  // Samples the device was given since the test began.
  std::vector<std::int16_t> output() const {
    std::ifstream in(*folder_ / "device.raw", std::ios::binary);
    in.seekg(static_cast<std::streamoff>(mark_));
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<std::int16_t> samples(bytes.size() / sizeof(std::int16_t));
    if (!samples.empty()) {
      std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(std::int16_t));
    }
    return samples;
  }

  static std::uintmax_t output_bytes() {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(*folder_ / "device.raw", error);
    return error ? 0 : size;
  }

  static inline std::optional<fs::path> folder_;
  std::uintmax_t mark_ = 0;
};

TEST_F(DiskSound, PlaysTheWholeToneOnceThenReportsTheEnd) {
  const std::uint32_t tone = open_tone("tone.wav");
  ASSERT_EQ(platform::wave_play(tone), platform::kWaveOk);
  EXPECT_EQ(playing(tone), 1);
  wait_until_ended(tone);
  EXPECT_EQ(playing(tone), 0);
  wait_for_flush();

  // 300 ms of 440 Hz at 22050 Hz mono, heard at the mixer's rate on both
  // channels: the right length (so the right rate) and the right pitch.
  const Heard heard = listen(output());
  EXPECT_NEAR(heard.frames(), frames_of(kToneMs), frames_of(5));
  EXPECT_NEAR(heard.cycles, 440 * kToneMs / 1000, 2);
  EXPECT_TRUE(heard.channels_equal);
  EXPECT_EQ(platform::wave_close(tone), platform::kWaveOk);
}

TEST_F(DiskSound, PlayingAgainStartsOverFromTheBeginning) {
  const std::uint32_t tone = open_tone("tone.wav");
  ASSERT_EQ(platform::wave_play(tone), platform::kWaveOk);
  wait_for_heard(frames_of(150));
  ASSERT_EQ(platform::wave_play(tone), platform::kWaveOk);
  EXPECT_EQ(playing(tone), 1);
  wait_until_ended(tone);
  wait_for_flush();

  // At least 150 ms of the first play, then all 300 ms of the second.
  EXPECT_GE(listen(output()).frames(), frames_of(150 + kToneMs - 10));
  EXPECT_EQ(platform::wave_close(tone), platform::kWaveOk);
}

TEST_F(DiskSound, SoundsOnTheirOwnChannelsPlayTogether) {
  const std::uint32_t music = open_tone("music.wav");
  const std::uint32_t effect = open_tone("effect.wav");
  ASSERT_EQ(platform::wave_play(music), platform::kWaveOk);
  ASSERT_EQ(platform::wave_play(effect), platform::kWaveOk);
  EXPECT_EQ(playing(music), 1);
  EXPECT_EQ(playing(effect), 1);
  wait_until_ended(music);
  wait_until_ended(effect);
  EXPECT_EQ(platform::wave_close(music), platform::kWaveOk);
  EXPECT_EQ(platform::wave_close(effect), platform::kWaveOk);
}

TEST_F(DiskSound, StopEndsTheSoundAtOnce) {
  const std::uint32_t tone = open_tone("tone.wav");
  ASSERT_EQ(platform::wave_play(tone), platform::kWaveOk);
  wait_for_heard(frames_of(50));
  ASSERT_EQ(platform::wave_stop(tone), platform::kWaveOk);
  EXPECT_EQ(playing(tone), 0);
  wait_for_flush();

  EXPECT_LT(listen(output()).frames(), frames_of(kToneMs - 50));
  EXPECT_EQ(platform::wave_close(tone), platform::kWaveOk);
}

}  // namespace
