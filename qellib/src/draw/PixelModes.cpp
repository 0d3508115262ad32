#include "draw/PixelModes.h"

#include "draw/ClipPixelRect.h"
#include "draw/RowKernels.h"

namespace qel::draw {
namespace {

enum class Mode { keyed, blended };

// What a draw between two pixel stores amounts to: the clipped job, and
// whether it has to go pixel by pixel in order because the source reads what
// the destination writes.
bool Prepare(const QelImage& src, const _QelPS& srcRect, const QelImage& dst, const _QelPS& dstRect,
             PixelJob* job, bool* inOrder) {
  if (src.bits == nullptr || dst.bits == nullptr) return false;
  ClippedRect clipped;
  if (!ClipPixelRect(src.ps, srcRect, dst.ps, dstRect, &clipped)) return false;
  *job = MakePixelJob(src, dst, clipped);
  *inOrder = PixelJobMayAlias(src, dst, clipped, *job);
  return true;
}

void Run(Mode mode, const PixelJob& job, bool inOrder, std::int32_t weight) {
  const RowKernels& kernels = inOrder ? kScalarKernels : SelectedKernels();
  if (mode == Mode::keyed) {
    kernels.keyedCopy(job);
  } else if (weight > 0 && weight < 512) {
    kernels.blend(job, weight);
  } else {
    ScalarBlendAnyWeight(job, weight);
  }
}

}  // namespace

void DrawKeyedPixels(const QelImage& src, const _QelPS& srcRect, const QelImage& dst,
                     const _QelPS& dstRect) {
  PixelJob job;
  bool inOrder = false;
  if (Prepare(src, srcRect, dst, dstRect, &job, &inOrder)) Run(Mode::keyed, job, inOrder, 512);
}

void DrawBlendedPixels(const QelImage& src, const _QelPS& srcRect, const QelImage& dst,
                       const _QelPS& dstRect, std::int32_t weight) {
  // Weight 0 leaves every destination byte as it is; weight 512 takes every
  // non-white source byte as it is, which is the colour-keyed copy.
  if (weight == 0) return;
  const Mode mode = weight == 512 ? Mode::keyed : Mode::blended;
  PixelJob job;
  bool inOrder = false;
  if (Prepare(src, srcRect, dst, dstRect, &job, &inOrder)) Run(mode, job, inOrder, weight);
}

}  // namespace qel::draw
