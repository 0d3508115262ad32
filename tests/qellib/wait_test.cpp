// Frame pacing on the simulated clock, which moves only by sleeping.

#include "LibraryFixture.h"
#include "platform/clock.h"
#include "platform/sim.h"

namespace {

using WaitTest = LibraryTest;

TEST_F(WaitTest, SleepsOnlyForWhatIsLeftOfTheFrame) {
  struct Case {
    std::uint32_t worked, frame, returned, slept;
  } cases[] = {
      {10, 30, 10, 20},
      {50, 30, 50, 0},
      {0, 30, 0, 30},
      {17, 0, 17, 0},
  };
  for (const Case& c : cases) {
    QelWaitInit();
    platform::sleep_ms(c.worked);
    const std::uint32_t before = platform::tick_count();
    EXPECT_EQ(QelWait(c.frame), c.returned) << c.worked << " of " << c.frame;
    EXPECT_EQ(platform::tick_count() - before, c.slept) << c.worked << " of " << c.frame;
    EXPECT_EQ(LibraryState.waitMark, platform::tick_count());
  }
}

TEST_F(WaitTest, FramesFollowEachOtherAndAnOverrunIsNotMadeUp) {
  QelWaitInit();
  const std::uint32_t start = platform::tick_count();
  QelWait(26);
  EXPECT_EQ(platform::tick_count() - start, 26u);
  platform::sleep_ms(40);  // a slow frame
  EXPECT_EQ(QelWait(26), 40u);
  platform::sleep_ms(5);
  EXPECT_EQ(QelWait(26), 5u);
  EXPECT_EQ(platform::tick_count() - start, 26u + 40u + 26u);
}

TEST_F(WaitTest, TheTickCountersWrapIsHarmless) {
  platform::sim::set_ticks(0xFFFFFFFAu);
  QelWaitInit();
  platform::sleep_ms(10);  // the counter wraps here
  const std::uint32_t before = platform::tick_count();
  EXPECT_EQ(QelWait(30), 10u);
  EXPECT_EQ(platform::tick_count() - before, 20u);
}

TEST_F(WaitTest, WithoutInitTheFirstWaitMeasuresFromTickZero) {
  const std::uint32_t before = platform::tick_count();
  EXPECT_EQ(QelWait(10), platform::sim::kStartTicks);
  EXPECT_EQ(platform::tick_count(), before);  // a long uptime: no sleep
}

}  // namespace
