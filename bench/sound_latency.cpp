// qel-sound-latency [PLAYS]: how long a sound effect takes from Play to the
// sound device. Plays a short tone PLAYS times (default 200) at scattered
// moments and reports, from the mixer's own probe, the time from each play
// to the first buffer with sound in it being handed to the device.
//
// Without a sound card run it on SDL's dummy driver, which paces its buffers
// like a card: SDL_AUDIODRIVER=dummy qel-sound-latency

#include <algorithm>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/wave.h"
#include "sdl/audio_probe.h"
#include "sdl/sdl_audio_format.h"
#include "sdl/sdl_clock.h"

namespace {

constexpr double kBudgetMs = 25.0;

// 60 ms of a 1 kHz tone, 16-bit mono at 22050 Hz: an effect like the game's.
void write_effect(const std::string& path) {
  constexpr std::uint32_t kRate = 22050;
  constexpr std::uint32_t kSamples = kRate * 60 / 1000;
  std::vector<std::int16_t> samples(kSamples);
  for (std::uint32_t i = 0; i < kSamples; ++i) {
    samples[i] = static_cast<std::int16_t>(6000 * std::sin(2 * M_PI * 1000 * i / kRate));
  }
  const std::uint32_t data_bytes = kSamples * 2;
  const auto u32 = [](std::ofstream& out, std::uint32_t v) {
    out.write(reinterpret_cast<char*>(&v), 4);
  };
  const auto u16 = [](std::ofstream& out, std::uint16_t v) {
    out.write(reinterpret_cast<char*>(&v), 2);
  };
  std::ofstream out(path, std::ios::binary);
  out.write("RIFF", 4);
  u32(out, 36 + data_bytes);
  out.write("WAVEfmt ", 8);
  u32(out, 16);
  u16(out, 1);  // PCM
  u16(out, 1);  // mono
  u32(out, kRate);
  u32(out, kRate * 2);
  u16(out, 2);
  u16(out, 16);
  out.write("data", 4);
  u32(out, data_bytes);
  out.write(reinterpret_cast<const char*>(samples.data()), data_bytes);
}

// What the mixer's probe reports, handed over to the main thread.
struct Arrival {
  std::mutex lock;
  std::condition_variable arrived;
  std::uint64_t handed_at_ns = 0;
};

void on_handed(std::uint64_t handed_at_ns, void* context) {
  auto* arrival = static_cast<Arrival*>(context);
  std::lock_guard lock(arrival->lock);
  arrival->handed_at_ns = handed_at_ns;
  arrival->arrived.notify_one();
}

// One play; the latency in milliseconds, or a negative value when no sound
// reached the device within a second.
double time_one_play(std::uint32_t device, Arrival& arrival) {
  {
    std::lock_guard lock(arrival.lock);
    arrival.handed_at_ns = 0;
  }
  // Not under the lock: the probe's report takes it on the mixer's thread,
  // and Play waits for the mixer.
  const std::uint64_t started = platform::detail::monotonic_ns();
  platform::wave_play(device);
  std::unique_lock lock(arrival.lock);
  if (!arrival.arrived.wait_for(lock, std::chrono::seconds(1),
                                [&] { return arrival.handed_at_ns != 0; })) {
    return -1.0;
  }
  return static_cast<double>(arrival.handed_at_ns - started) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
  const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  platform::use_backend(platform::Backend::sdl);

  const std::string effect =
      (std::filesystem::temp_directory_path() / "qel-sound-latency.wav").string();
  write_effect(effect);
  std::uint32_t device = 0;
  const int opened = platform::wave_open("waveaudio", effect.c_str(), effect.c_str(), &device);
  std::filesystem::remove(effect);
  if (opened == platform::kWaveNoAudioDevice) {
    std::fprintf(stderr,
                 "qel-sound-latency: no sound device; SDL_AUDIODRIVER=dummy measures "
                 "the mixer on SDL's paced dummy device\n");
    return 2;
  }
  if (opened != platform::kWaveOk) {
    std::fprintf(stderr, "qel-sound-latency: cannot open the effect (error %d)\n", opened);
    return 1;
  }

  Arrival arrival;
  platform::detail::set_audio_probe(&on_handed, &arrival);
  // Plays land at random points of the mixer's buffer period, as a game's do.
  std::mt19937 random(12345);
  std::uniform_int_distribution<std::uint32_t> pause_ms(15, 40);
  std::vector<double> latencies;
  for (int i = 0; i < plays; ++i) {
    platform::sleep_ms(pause_ms(random));
    const double latency = time_one_play(device, arrival);
    platform::wave_stop(device);
    if (latency < 0) {
      std::fprintf(stderr, "qel-sound-latency: play %d never reached the device\n", i + 1);
      return 1;
    }
    latencies.push_back(latency);
  }
  platform::detail::set_audio_probe(nullptr, nullptr);
  platform::wave_close(device);

  std::sort(latencies.begin(), latencies.end());
  double sum = 0;
  for (double latency : latencies) {
    sum += latency;
  }
  const double mean = sum / static_cast<double>(latencies.size());
  const double max = latencies.back();
  const char* driver = std::getenv("SDL_AUDIODRIVER");
  std::printf(
      "sound latency, Play -> first samples handed to the device (%s driver, %d-frame "
      "buffers at %d Hz = %.1f ms)\n",
      driver ? driver : "default", platform::detail::kMixBufferFrames, platform::detail::kMixRate,
      1000.0 * platform::detail::kMixBufferFrames / platform::detail::kMixRate);
  const auto at = [&](double fraction) {
    return latencies[static_cast<std::size_t>(fraction *
                                              static_cast<double>(latencies.size() - 1))];
  };
  std::printf("  plays %zu  mean %.2f ms  median %.2f ms  99%% %.2f ms  max %.2f ms\n",
              latencies.size(), mean, at(0.5), at(0.99), max);
  std::printf("  budget %.0f ms: %s\n", kBudgetMs, max <= kBudgetMs ? "within" : "OVER");
  return 0;
}
