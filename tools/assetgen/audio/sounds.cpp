#include "audio/sounds.h"

#include "audio/effects/effects.h"
#include "audio/mastering.h"
#include "audio/renderer.h"
#include "audio/songs/songs.h"

namespace assetgen {

namespace {

// Music peaks at about -2 dBFS; the effects, which play over it on a
// channel of their own, about a decibel lower.
constexpr double kMusicPeak = 0.79;
constexpr double kEffectPeak = 0.70;

std::vector<std::int16_t> tune(const Song& song) {
  return master_to_pcm(render_song(song, kSampleRate), kSampleRate, kMusicPeak);
}

std::vector<std::int16_t> effect(std::vector<double> mix) {
  return master_to_pcm(std::move(mix), kSampleRate, kEffectPeak);
}

}  // namespace

std::vector<NamedSound> render_all_sounds() {
  return {
      {"1.wav", tune(ending_tune())},
      {"2.wav", tune(opening_tune())},
      {"3.wav", tune(title_tune())},
      {"4.wav", tune(start_jingle())},
      {"5.wav", tune(stage_tune())},
      {"128.wav", effect(let_go_whoosh(kSampleRate))},
      {"130.wav", effect(catch_clink(kSampleRate))},
      {"131.wav", effect(render_song(goal_fanfare(), kSampleRate))},
  };
}

}  // namespace assetgen
