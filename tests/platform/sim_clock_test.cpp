// The simulated desktop's clock and its scripted actions.

#include <string>
#include <vector>

#include "SimFixture.h"
#include "platform/clock.h"

namespace {

using SimClockTest = SimTest;

TEST_F(SimClockTest, OnlySleepingMovesTheClock) {
  const std::uint32_t start = platform::tick_count();
  EXPECT_EQ(start, platform::sim::kStartTicks);
  EXPECT_EQ(platform::tick_count(), start);
  platform::sleep_ms(26);
  EXPECT_EQ(platform::tick_count() - start, 26u);
  EXPECT_EQ(platform::sim::elapsed_ms(), 26u);
}

TEST_F(SimClockTest, ActionsRunInTimeOrderThenInOrderOfScheduling) {
  std::vector<std::string> ran;
  platform::sim::schedule(
      30, [&] { ran.push_back("b@" + std::to_string(platform::sim::elapsed_ms())); });
  platform::sim::schedule(
      10, [&] { ran.push_back("a@" + std::to_string(platform::sim::elapsed_ms())); });
  platform::sim::schedule(
      30, [&] { ran.push_back("c@" + std::to_string(platform::sim::elapsed_ms())); });
  platform::sim::schedule(90, [&] { ran.push_back("late"); });
  platform::sleep_ms(50);
  EXPECT_EQ(ran, (std::vector<std::string>{"a@10", "b@30", "c@30"}));
  EXPECT_EQ(platform::sim::elapsed_ms(), 50u);

  // An action for a time already passed runs at the next sleep, even one of 0.
  platform::sim::schedule(5, [&] { ran.push_back("overdue"); });
  platform::sleep_ms(0);
  EXPECT_EQ(ran.back(), "overdue");
}

TEST_F(SimClockTest, TheRawCounterWrapsWithoutDisturbingElapsedTime) {
  platform::sim::set_ticks(0xFFFFFFF0u);
  const std::uint32_t before = platform::tick_count();
  platform::sleep_ms(32);
  EXPECT_EQ(platform::tick_count(), 0x10u);
  EXPECT_EQ(platform::tick_count() - before, 32u);
  EXPECT_EQ(platform::sim::elapsed_ms(), 32u);
}

}  // namespace
