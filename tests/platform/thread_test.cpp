#include "platform/thread.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

int ReturnsArgument(void* argument) {
  return *static_cast<int*>(argument);
}

TEST(ThreadTest, RunsAndReportsItsResultAndWaitsAreRepeatable) {
  int value = 42;
  platform::Thread thread = platform::Thread::start(ReturnsArgument, &value);
  ASSERT_TRUE(thread.started());
  EXPECT_TRUE(thread.wait());
  EXPECT_TRUE(thread.wait());
  EXPECT_EQ(thread.exit_code(), 42);

  platform::Thread never;
  EXPECT_FALSE(never.started());
  EXPECT_TRUE(never.wait());
  EXPECT_FALSE(platform::Thread::start(nullptr, nullptr).started());
}

std::atomic<int> g_finished{0};
int CountsOnExit(void*) {
  ++g_finished;
  return 0;
}

TEST(ThreadTest, DestroyingAThreadWaitsForItsRoutine) {
  g_finished = 0;
  { platform::Thread thread = platform::Thread::start(CountsOnExit, nullptr); }
  EXPECT_EQ(g_finished, 1);
}

}  // namespace
