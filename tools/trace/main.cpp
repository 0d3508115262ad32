// kelvro-trace STAGE < INPUT > TRACE.csv
//
// Runs the game's own player steps (InitPlayer, then PlayerInput and
// PlayerPhysics on every frame) on the simulated desktop for one stage, with
// the keys of INPUT (see TraceInput.h), and prints one line per frame (see
// TraceLine.h). The effect sounds are really opened and played, so the sound
// column is what the wave player was told. Bad arguments or input lines give
// a one-line message and status 2; effect sounds that cannot be opened,
// status 1.

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "QelLib.h"
#include "TraceInput.h"
#include "TraceLine.h"
#include "assets/SharedObjects.h"
#include "loop/GameState.h"
#include "platform/backend.h"
#include "platform/sim.h"
#include "player/InitPlayer.h"
#include "player/PlayerInput.h"
#include "player/PlayerPhysics.h"

namespace {

constexpr unsigned FrameMilliseconds = 26;
const char* const EffectFiles[] = {"128.wav", "130.wav", "131.wav"};

// The effect the current frame started, as the wave player saw it.
TraceSound FrameSound = TraceSound::none;

int Fail(int status, const std::string& why) {
  std::fprintf(stderr, "kelvro-trace: %s\n", why.c_str());
  return status;
}

TraceSound SoundOfFile(const std::string& file) {
  if (file == EffectSounds[LetGoSound].lpstrElementName) return TraceSound::letgo;
  if (file == EffectSounds[CatchSound].lpstrElementName) return TraceSound::catch_sound;
  if (file == EffectSounds[GoalSound].lpstrElementName) return TraceSound::goal;
  return TraceSound::none;
}

void NoteSound(const platform::sim::WaveEvent& event) {
  if (event.command == "play" && FrameSound == TraceSound::none) {
    FrameSound = SoundOfFile(event.file);
  }
}

// Without its sounds the trace could not tell which effect a frame started.
bool OpenEffectSounds(std::string* failure) {
  for (int i = 0; i < 3; ++i) {
    const int result = EffectSounds[i].GetFromFile(EffectFiles[i]);
    if (result != 0) {
      *failure = std::string("cannot open the effect sound ") + EffectFiles[i] +
                 " (wave player error " + std::to_string(result) + ")";
      return false;
    }
  }
  return true;
}

void HoldKeys(const FrameKeys& keys) {
  platform::sim::set_key(platform::Key::space, keys.fire);
  platform::sim::set_key(platform::Key::left, keys.left);
  platform::sim::set_key(platform::Key::right, keys.right);
  platform::sim::set_key(platform::Key::up, keys.up);
  platform::sim::set_key(platform::Key::down, keys.down);
  platform::sim::set_key(platform::Key::escape, keys.escape);
}

void RunFrames(const TraceInput& input, std::int16_t stage) {
  PlayerSprites sprites;
  RopePlayer player = InitPlayer(sprites);
  GameState = GameStatePlaying;
  QelWaitInit();
  int frame = 0;
  for (const FrameKeys& keys : input.frames) {
    HoldKeys(keys);
    FrameSound = TraceSound::none;
    player = PlayerInput(player, stage);
    player = PlayerPhysics(player);
    // Paced like play, so that sounds end when they would in the game.
    QelWait(FrameMilliseconds);
    std::printf("%s\n", TraceLine(++frame, player, GameState, FrameSound).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return Fail(2, "usage: kelvro-trace STAGE < INPUT > TRACE.csv (STAGE 0 to 5)");
  const std::optional<std::int16_t> stage = ParseStageArgument(argv[1]);
  if (!stage) return Fail(2, std::string("stage '") + argv[1] + "' is not one of 0 to 5");
  const TraceInput input = ParseTraceInput(std::cin);
  if (!input.error.empty()) return Fail(2, input.error);

  platform::use_backend(platform::Backend::sim);
  std::string failure;
  if (!OpenEffectSounds(&failure)) return Fail(1, failure);
  platform::sim::on_wave_event(NoteSound);
  RunFrames(input, *stage);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
