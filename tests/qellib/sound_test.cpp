// Sounds and channels on the simulated wave player, with wave files the
// test writes. A sound "plays" for its real duration in virtual time.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "LibraryFixture.h"
#include "WaveFiles.h"
#include "platform/clock.h"
#include "platform/sim.h"

namespace {

namespace fs = std::filesystem;

class SoundTest : public LibraryTest {
 protected:
  void SetUp() override {
    LibraryTest::SetUp();
    folder_ = fs::temp_directory_path() / ("kelvro-sound-test-" + std::to_string(::getpid()));
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    WriteTone("long.wav", 3000);
    WriteTone("a.wav", 400);
    WriteTone("b.wav", 200);
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(folder_);
    LibraryTest::TearDown();
  }

  std::vector<std::string> Commands() const {
    std::vector<std::string> commands;
    for (const auto& e : platform::sim::wave_log())
      commands.push_back(e.file + " " + e.command);
    return commands;
  }

  fs::path folder_;
  fs::path previous_;
};

TEST_F(SoundTest, OpeningTwiceOrUsingAnUnopenedSoundGivesMinusOne) {
  QelSound sound, never;
  ASSERT_EQ(sound.GetFromFile("a.wav"), 0);
  EXPECT_EQ(sound.GetFromFile("a.wav"), -1);
  EXPECT_EQ(never.Play(), -1);
  EXPECT_EQ(never.isPlay(), -1);
  EXPECT_EQ(never.Stop(), -1);
  EXPECT_EQ(never.Close(), -1);
  EXPECT_EQ(LibraryState.soundError, 0);  // none of these switch sound off
}

TEST_F(SoundTest, OneFailedCommandSwitchesSoundOffForEverySound) {
  QelSound good, missing;
  ASSERT_EQ(good.GetFromFile("a.wav"), 0);
  const int error = missing.GetFromFile("missing.wav");
  EXPECT_NE(error, 0);
  EXPECT_NE(error, -1);
  EXPECT_EQ(good.Play(), error);
  EXPECT_EQ(good.isPlay(), error);
  EXPECT_EQ(good.Close(), error);
  EXPECT_EQ(Commands(), (std::vector<std::string>{"a.wav open"}));  // nothing more was issued
}

TEST_F(SoundTest, PlaysFromTheStartUntilItsEndAndReplaysFromTheStart) {
  QelSound sound;
  ASSERT_EQ(sound.GetFromFile("long.wav"), 0);
  EXPECT_EQ(sound.isPlay(), 0);
  EXPECT_EQ(sound.Play(), 0);
  EXPECT_EQ(sound.isPlay(), 1);
  platform::sleep_ms(2999);
  EXPECT_EQ(sound.isPlay(), 1);
  platform::sleep_ms(1);
  EXPECT_EQ(sound.isPlay(), 0);
  EXPECT_EQ(sound.Play(), 0);
  platform::sleep_ms(2000);
  EXPECT_EQ(sound.isPlay(), 1);  // a whole new run of three seconds
  EXPECT_EQ(sound.Stop(), 0);
  EXPECT_EQ(sound.isPlay(), 0);
  EXPECT_EQ(sound.Close(), 0);
  EXPECT_EQ(sound.wDeviceID, 0u);
  EXPECT_EQ(sound.GetFromFile("long.wav"), 0);  // the alias is free again
}

TEST_F(SoundTest, AChannelRefusesOrInterruptsAndForgetsAnEndedSound) {
  QelSound a, b;
  ASSERT_EQ(a.GetFromFile("a.wav"), 0);
  ASSERT_EQ(b.GetFromFile("b.wav"), 0);
  QelSoundChannel channel;
  EXPECT_EQ(channel.Play(&a, 0), 0);  // idle: starts at once
  platform::sleep_ms(100);
  EXPECT_EQ(channel.Play(&b, 0), 1);  // busy: refused, a goes on
  EXPECT_EQ(channel.current, &a);
  EXPECT_EQ(channel.Play(&b, 1), 0);  // interrupt: a stops, b starts
  EXPECT_EQ(a.isPlay(), 0);
  EXPECT_EQ(channel.current, &b);
  platform::sleep_ms(200);
  EXPECT_EQ(channel.isPlay(), 0);
  EXPECT_EQ(channel.current, nullptr);
  channel.Stop();  // idle: nothing happens
  EXPECT_EQ(Commands(), (std::vector<std::string>{"a.wav open", "b.wav open", "a.wav play",
                                                  "a.wav stop", "b.wav play"}));
}

TEST_F(SoundTest, DestroyingAChannelLeavesItsSoundPlayingDestroyingASoundClosesIt) {
  QelSound a;
  ASSERT_EQ(a.GetFromFile("a.wav"), 0);
  {
    QelSoundChannel channel;
    channel.Play(&a, 0);
  }
  EXPECT_EQ(a.isPlay(), 1);
  {
    QelSound b;
    b.GetFromFile("b.wav");
  }
  EXPECT_EQ(Commands().back(), "b.wav close");
}

}  // namespace
