// One frame of play against one memcpy of the view, side by side in one run.
//
// The frame is the game's own: EraseHud, ErasePlayer, PlayerInput,
// PlayerPhysics, DrawPlayer and UpdateView (which copies the 640 x 460 view
// to the window), on the simulated desktop after LoadAssets and PrepareStage,
// without the pacing wait. The player holds fire from the start, so the hook
// catches at once and the player swings on the rope for the whole run.
//
// The reference copies the view's 460 rows of 1920 bytes out of a 1280 x 960
// 24-bit buffer. The frame's benchmark times the reference for as many
// iterations right after its own loop and reports vs_memcpy = the frame's
// time / the memcpy's (goal: at most 1.5).

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "KelvroResources.h"
#include "assets/LoadAssets.h"
#include "camera/PlayerDrawing.h"
#include "camera/View.h"
#include "platform/backend.h"
#include "platform/resources.h"
#include "platform/sim.h"
#include "platform/window.h"
#include "player/InitPlayer.h"
#include "player/PlayerInput.h"
#include "player/PlayerPhysics.h"
#include "stage/PrepareStage.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int WorldWidth = 1280;
constexpr int WorldHeight = 960;
constexpr int ViewWidth = 640;
constexpr int ViewHeight = 460;
constexpr int BytesPerPixel = 3;
// Where the reference copies from: a view origin inside the world.
constexpr int ReferenceViewX = 320;
constexpr int ReferenceViewY = 250;

// --- The reference -------------------------------------------------------------

struct ViewBuffers {
  std::vector<std::uint8_t> world =
      std::vector<std::uint8_t>(WorldWidth * WorldHeight * BytesPerPixel, 0x5a);
  std::vector<std::uint8_t> view =
      std::vector<std::uint8_t>(ViewWidth * ViewHeight * BytesPerPixel);
};

void CopyView(ViewBuffers& buffers) {
  constexpr int worldRow = WorldWidth * BytesPerPixel;
  constexpr int viewRow = ViewWidth * BytesPerPixel;
  const std::uint8_t* from =
      buffers.world.data() + ReferenceViewY * worldRow + ReferenceViewX * BytesPerPixel;
  std::uint8_t* to = buffers.view.data();
  for (int row = 0; row < ViewHeight; ++row) {
    std::memcpy(to + row * viewRow, from + row * worldRow, viewRow);
  }
  benchmark::ClobberMemory();
}

ViewBuffers& TheBuffers() {
  static ViewBuffers buffers;
  return buffers;
}

double MemcpySeconds(benchmark::IterationCount iterations) {
  ViewBuffers& buffers = TheBuffers();
  const Clock::time_point start = Clock::now();
  for (benchmark::IterationCount i = 0; i < iterations; ++i)
    CopyView(buffers);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// --- The game ------------------------------------------------------------------

platform::MessageResult DefaultOnly(platform::Window* window, platform::Message message,
                                    std::uintptr_t wparam, std::intptr_t lparam) {
  return platform::default_procedure(window, message, wparam, lparam);
}

platform::Window* MakeGameSizedWindow() {
  platform::Instance* instance = platform::program_instance("kelvro", KelvroResources());
  platform::WindowClass windowClass;
  windowClass.procedure = DefaultOnly;
  windowClass.class_name = "kelvro-frame-bench";
  windowClass.instance = instance;
  if (!platform::register_class(windowClass)) return nullptr;
  platform::WindowParams params;
  params.class_name = "kelvro-frame-bench";
  params.title = "kelvro-frame-bench";
  params.style = platform::kStyleSystemMenu;
  params.width = 640;
  params.height = 480;
  params.instance = instance;
  return platform::create_window(params);
}

struct Play {
  PlayerSprites sprites;
  RopePlayer player;
  std::int16_t frameCount = 0;
};

// The state of play just before a stage's first frame; null when the game's
// assets cannot be set up.
Play* ThePlay() {
  static Play* play = []() -> Play* {
    platform::use_backend(platform::Backend::sim);
    platform::Window* window = MakeGameSizedWindow();
    if (window == nullptr || LoadAssets(window) != 0) return nullptr;
    auto* p = new Play;
    PrepareStage(0);
    p->player = InitPlayer(p->sprites);
    DrawPlayer(p->player, p->sprites);
    UpdateView(p->player, p->frameCount);
    platform::sim::set_key(platform::Key::space, true);
    return p;
  }();
  return play;
}

void RunFrame(Play& play) {
  EraseHud();
  ErasePlayer(play.sprites);
  play.player = PlayerInput(play.player, 0);
  play.player = PlayerPhysics(play.player);
  DrawPlayer(play.player, play.sprites);
  UpdateView(play.player, play.frameCount);
  ++play.frameCount;
  benchmark::ClobberMemory();
}

void BM_ViewMemcpy(benchmark::State& state) {
  ViewBuffers& buffers = TheBuffers();
  for (auto _ : state)
    CopyView(buffers);
  state.SetBytesProcessed(state.iterations() * ViewWidth * ViewHeight * BytesPerPixel);
}

void BM_FrameOfPlay(benchmark::State& state) {
  Play* play = ThePlay();
  if (play == nullptr) {
    state.SkipWithError("the game's assets could not be set up");
    return;
  }
  const Clock::time_point start = Clock::now();
  for (auto _ : state)
    RunFrame(*play);
  const double frameSeconds = std::chrono::duration<double>(Clock::now() - start).count();
  const double memcpySeconds = MemcpySeconds(state.iterations());
  state.counters["vs_memcpy"] = memcpySeconds > 0 ? frameSeconds / memcpySeconds : 0.0;
}

}  // namespace

BENCHMARK(BM_ViewMemcpy);
BENCHMARK(BM_FrameOfPlay);

BENCHMARK_MAIN();
