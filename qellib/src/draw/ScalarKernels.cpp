#include <cstdint>

#include "draw/RowKernels.h"
#include "draw/RowTails.h"

namespace qel::draw {
namespace {

bool Always() {
  return true;
}

void ScalarKeyedCopy(const PixelJob& job) {
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    KeyedCopyPixels(dst, src, job.columns);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

}  // namespace

void ScalarBlendAnyWeight(const PixelJob& job, std::int32_t weight) {
  std::uint8_t* dst = job.dst;
  const std::uint8_t* src = job.src;
  for (int row = 0; row < job.rows; ++row) {
    BlendPixels(dst, src, job.columns, weight);
    dst += job.dstRowStep;
    src += job.srcRowStep;
  }
}

const RowKernels kScalarKernels = {"scalar", Always, ScalarKeyedCopy, ScalarBlendAnyWeight};

}  // namespace qel::draw
