// Frame pacing on the real clock: 300 frames of QelWait(26), each with a
// little work before the wait, as a frame of play has. Prints the periods'
// mean, median, 99th percentile and worst, the last line in the form
//   pacing mean_ms=M median_ms=D p99_ms=P max_ms=X

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <numeric>
#include <vector>

#include "QelLib.h"
#include "platform/backend.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFrames = 300;
constexpr unsigned int kFrameTime = 26;

// About a millisecond of arithmetic the compiler cannot drop.
volatile double g_sink = 0;
void DoAFramesWork() {
  double x = 1.0;
  const Clock::time_point until = Clock::now() + std::chrono::microseconds(1000);
  while (Clock::now() < until) {
    for (int i = 0; i < 1000; ++i)
      x = x * 1.0000001 + 0.000001;
  }
  g_sink = x;
}

double Percentile(std::vector<double> sorted, double fraction) {
  const std::size_t at = static_cast<std::size_t>(fraction * (sorted.size() - 1) + 0.5);
  return sorted[at];
}

}  // namespace

int main() {
  platform::use_backend(platform::Backend::sdl);
  std::vector<double> periods;
  periods.reserve(kFrames);
  QelWaitInit();
  Clock::time_point previous = Clock::now();
  for (int frame = 0; frame < kFrames; ++frame) {
    DoAFramesWork();
    QelWait(kFrameTime);
    const Clock::time_point now = Clock::now();
    periods.push_back(std::chrono::duration<double, std::milli>(now - previous).count());
    previous = now;
  }
  std::vector<double> sorted = periods;
  std::sort(sorted.begin(), sorted.end());
  const double mean = std::accumulate(periods.begin(), periods.end(), 0.0) / periods.size();
  std::printf("frames=%d frame_time_ms=%u\n", kFrames, kFrameTime);
  std::printf("pacing mean_ms=%.3f median_ms=%.3f p99_ms=%.3f max_ms=%.3f\n", mean,
              Percentile(sorted, 0.5), Percentile(sorted, 0.99), sorted.back());
  return 0;
}
