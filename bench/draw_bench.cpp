// QelImage::Draw against SDL's blits and memcpy, side by side in one run, on
// the same pixels and in the game's sizes. Each of our benchmarks times the
// reference for as many iterations right after its own loop and reports
// vs_reference = our throughput / the reference's (above 1: ours is faster).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "QelLib.h"
#include "bench_scene.h"
#include "draw/ClipPixelRect.h"
#include "draw/RowKernels.h"
#include "reference_blit.h"

namespace {

namespace sdl = platform::sdl_reference;
using Clock = std::chrono::steady_clock;
using qelbench::Scene;

// Where the sprites land in the world, and the view's origin in it.
constexpr int kSpriteX = 100;
constexpr int kSpriteY = 200;
constexpr int kViewX = 320;
constexpr int kViewY = 250;

// SDL surfaces over the scene's own pixel stores.
struct ReferenceSurfaces {
  sdl::Surface* world;
  sdl::Surface* keyed[3];  // figure, counter, logo: white key
  sdl::Surface* logoRunLength;
  sdl::Surface* logoBlend;  // white key, alpha 128, blending on
};

sdl::Surface* Wrap(QelImage& image) {
  return sdl::wrap_pixels(image.bits, image.ps.width, image.ps.height);
}

ReferenceSurfaces* TheReference() {
  static ReferenceSurfaces* surfaces = []() -> ReferenceSurfaces* {
    Scene* scene = qelbench::TheScene();
    auto* r = new ReferenceSurfaces;
    r->world = Wrap(scene->world);
    QelImage* sources[3] = {&scene->figure, &scene->counter, &scene->logo};
    bool ok = r->world != nullptr;
    for (int i = 0; i < 3; ++i) {
      r->keyed[i] = Wrap(*sources[i]);
      ok = ok && r->keyed[i] && sdl::set_white_key(r->keyed[i], false);
    }
    r->logoRunLength = Wrap(scene->logo);
    r->logoBlend = Wrap(scene->logo);
    ok = ok && r->logoRunLength && sdl::set_white_key(r->logoRunLength, true);
    ok = ok && r->logoBlend && sdl::set_white_key(r->logoBlend, false) &&
         sdl::set_alpha_blend(r->logoBlend, 128);
    return ok ? r : nullptr;
  }();
  return surfaces;
}

struct Reference {
  const char* counter;
  std::function<void()> work;
};

// Seconds for `calls` calls of `work`.
double Seconds(int calls, const std::function<void()>& work) {
  const Clock::time_point start = Clock::now();
  for (int i = 0; i < calls; ++i) {
    work();
    benchmark::ClobberMemory();
  }
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Each iteration times a batch of `ours` and then a batch of each reference,
// so that both meet the same machine; the counters are the medians of the
// per-batch ratios, which a noisy neighbour moves least. A batch is about
// 40 000 pixels. The reported time is ours alone.
void Compare(benchmark::State& state, std::int64_t pixels, const std::function<void()>& ours,
             std::initializer_list<Reference> references) {
  const int calls = static_cast<int>(std::max<std::int64_t>(1, 40000 / pixels));
  std::vector<std::vector<double>> ratios(references.size());
  for (auto _ : state) {
    const double oursSeconds = Seconds(calls, ours);
    state.SetIterationTime(oursSeconds);
    std::size_t i = 0;
    for (const Reference& reference : references) {
      ratios[i++].push_back(Seconds(calls, reference.work) / oursSeconds);
    }
  }
  std::size_t i = 0;
  for (const Reference& reference : references) {
    state.counters[reference.counter] = Median(ratios[i++]);
  }
  state.SetItemsProcessed(state.iterations() * calls * pixels);
}

_QelPS WholeOf(const QelImage& image) {
  return {0, 0, image.ps.height, image.ps.width};
}
_QelPS SpriteSpot(const QelImage& image) {
  return {kSpriteY, kSpriteX, image.ps.height, image.ps.width};
}

std::function<void()> SdlBlit(sdl::Surface* source, const QelImage& image, sdl::Surface* world) {
  return [=, width = image.ps.width, height = image.ps.height] {
    sdl::blit(source, 0, 0, width, height, world, kSpriteX, kSpriteY);
  };
}

void KeyedSprite(benchmark::State& state, int which) {
  Scene* scene = qelbench::TheScene();
  ReferenceSurfaces* ref = TheReference();
  QelImage* sources[3] = {&scene->figure, &scene->counter, &scene->logo};
  QelImage& source = *sources[which];
  const _QelPS from = WholeOf(source);
  const _QelPS to = SpriteSpot(source);
  const auto ours = [&] { source.Draw(QelDrawTrans, from, &scene->world, to, 1.0f, 0); };
  const std::int64_t pixels = std::int64_t{from.width} * from.height;
  if (which == 2) {
    Compare(state, pixels, ours,
            {{"vs_reference", SdlBlit(ref->keyed[which], source, ref->world)},
             {"vs_rle", SdlBlit(ref->logoRunLength, source, ref->world)}});
  } else {
    Compare(state, pixels, ours,
            {{"vs_reference", SdlBlit(ref->keyed[which], source, ref->world)}});
  }
}

void BlendedLogo(benchmark::State& state) {
  Scene* scene = qelbench::TheScene();
  ReferenceSurfaces* ref = TheReference();
  const _QelPS from = WholeOf(scene->logo);
  const _QelPS to = SpriteSpot(scene->logo);
  const auto ours = [&] { scene->logo.Draw(QelDrawBlend, from, &scene->world, to, 0.5f, 0); };
  Compare(state, std::int64_t{from.width} * from.height, ours,
          {{"vs_reference", SdlBlit(ref->logoBlend, scene->logo, ref->world)}});
}

// The view copied out of the world, against memcpy of the same rows.
void ViewCopy(benchmark::State& state) {
  Scene* scene = qelbench::TheScene();
  const _QelPS from = {kViewY, kViewX, 460, 640};
  const _QelPS to = {0, 0, 460, 640};
  const auto ours = [&] { scene->world.Draw(QelDrawCopy, from, &scene->view, to, 1.0f, 0); };
  const auto rows = [&] {
    for (int y = 0; y < 460; ++y) {
      const std::uint8_t* src = scene->world.bits + ((959 - (kViewY + y)) * 1280 + kViewX) * 3;
      std::uint8_t* dst = scene->view.bits + (459 - y) * 640 * 3;
      std::memcpy(dst, src, 640 * 3);
    }
  };
  Compare(state, 640 * 460, ours, {{"vs_reference", rows}});
}

// One instruction set's kernels on the logo, to see what each set is worth.
void LogoWithKernels(benchmark::State& state, const qel::draw::RowKernels* kernels, bool blend) {
  Scene* scene = qelbench::TheScene();
  ReferenceSurfaces* ref = TheReference();
  qel::draw::ClippedRect clipped;
  qel::draw::ClipPixelRect(scene->logo.ps, WholeOf(scene->logo), scene->world.ps,
                           SpriteSpot(scene->logo), &clipped);
  const qel::draw::PixelJob job = qel::draw::MakePixelJob(scene->logo, scene->world, clipped);
  const auto ours = [&] {
    if (blend) {
      kernels->blend(job, 256);
    } else {
      kernels->keyedCopy(job);
    }
  };
  sdl::Surface* source = blend ? ref->logoBlend : ref->keyed[2];
  Compare(state, std::int64_t{job.rows} * job.columns, ours,
          {{"vs_reference", SdlBlit(source, scene->logo, ref->world)}});
}

// SDL sees our bottom-up rows as top-down, so its blit to row y lands where
// our draw to row (960 - y - height) does. The comparison is void unless
// both do the same work: check that the keyed blits give our very bytes and
// that the blended one succeeds.
bool ReferencesDoTheSameWork() {
  Scene* scene = qelbench::TheScene();
  ReferenceSurfaces* ref = TheReference();
  QelImage* sources[3] = {&scene->figure, &scene->counter, &scene->logo};
  sdl::Surface* logoKeys[2] = {ref->keyed[2], ref->logoRunLength};
  for (int i = 0; i < 4; ++i) {
    QelImage& source = *sources[i < 3 ? i : 2];
    sdl::Surface* surface = i < 3 ? ref->keyed[i] : logoKeys[1];
    const std::int16_t flipped = static_cast<std::int16_t>(960 - kSpriteY - source.ps.height);
    const _QelPS to = {flipped, kSpriteX, source.ps.height, source.ps.width};
    scene->world.Clear(90, 140, 200);
    source.Draw(QelDrawTrans, WholeOf(source), &scene->world, to, 1.0f, 0);
    const std::vector<std::uint8_t> ours(scene->world.bits,
                                         scene->world.bits + std::size_t{1280} * 960 * 3);
    scene->world.Clear(90, 140, 200);
    if (!sdl::blit(surface, 0, 0, source.ps.width, source.ps.height, ref->world, kSpriteX,
                   kSpriteY)) {
      return false;
    }
    if (!std::equal(ours.begin(), ours.end(), scene->world.bits)) return false;
  }
  return sdl::blit(ref->logoBlend, 0, 0, 600, 163, ref->world, kSpriteX, kSpriteY);
}

void RegisterAll() {
  benchmark::RegisterBenchmark("Key/32x64", KeyedSprite, 0)->UseManualTime();
  benchmark::RegisterBenchmark("Key/160x16", KeyedSprite, 1)->UseManualTime();
  benchmark::RegisterBenchmark("Key/600x163", KeyedSprite, 2)->UseManualTime();
  benchmark::RegisterBenchmark("Blend/600x163", BlendedLogo)->UseManualTime();
  benchmark::RegisterBenchmark("View/640x460", ViewCopy)->UseManualTime();
  for (const qel::draw::RowKernels* kernels : qel::draw::AllKernels()) {
    if (!kernels->supported()) continue;
    const std::string name = std::string("Kernels/") + kernels->name;
    benchmark::RegisterBenchmark((name + "/Key/600x163").c_str(), LogoWithKernels, kernels, false)
        ->UseManualTime();
    benchmark::RegisterBenchmark((name + "/Blend/600x163").c_str(), LogoWithKernels, kernels, true)
        ->UseManualTime();
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (qelbench::TheScene() == nullptr || TheReference() == nullptr) {
    std::fprintf(stderr, "qel-draw-bench: could not set up the images\n");
    return 1;
  }
  if (!ReferencesDoTheSameWork()) {
    std::fprintf(stderr, "qel-draw-bench: SDL's blits do not draw what ours do\n");
    return 1;
  }
  benchmark::AddCustomContext("kernels", qel::draw::SelectedKernels().name);
  RegisterAll();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
