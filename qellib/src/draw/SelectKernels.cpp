#include <array>

#include "draw/RowKernels.h"

namespace qel::draw {
namespace {

constexpr std::array<const RowKernels*, 4> kAllKernels = {&kScalarKernels, &kSse2Kernels,
                                                          &kAvx2Kernels, &kAvx512Kernels};

const RowKernels& FastestSupported() {
  __builtin_cpu_init();
  for (auto it = kAllKernels.rbegin(); it != kAllKernels.rend(); ++it) {
    if ((*it)->supported()) return **it;
  }
  return kScalarKernels;
}

}  // namespace

const RowKernels& SelectedKernels() {
  static const RowKernels& selected = FastestSupported();
  return selected;
}

std::span<const RowKernels* const> AllKernels() {
  return kAllKernels;
}

}  // namespace qel::draw
