// Every kernel set this processor runs, on random rows and weights, against
// the pixel-by-pixel kernels.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "draw/RowKernels.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qelfuzz::FuzzInput in(data, size);
  const int columns = in.Byte() % 200;
  const int rows = in.Byte() % 4 + 1;
  const bool blend = (in.Byte() & 1) != 0;
  const std::int32_t weight = 1 + static_cast<std::uint16_t>(in.Int16()) % 511;  // 1 .. 511
  const std::size_t bytes = static_cast<std::size_t>(columns) * rows * 3;
  std::vector<std::uint8_t> src(bytes), start(bytes);
  in.FillPixels(src.data(), bytes);
  in.FillPixels(start.data(), bytes);

  const auto run = [&](const qel::draw::RowKernels& kernels) {
    std::vector<std::uint8_t> dst = start;
    const std::ptrdiff_t step = std::ptrdiff_t{columns} * 3;
    const qel::draw::PixelJob job = {dst.data(), src.data(), step, step, rows, columns};
    if (blend) {
      kernels.blend(job, weight);
    } else {
      kernels.keyedCopy(job);
    }
    return dst;
  };
  const std::vector<std::uint8_t> expected = run(qel::draw::kScalarKernels);
  for (const qel::draw::RowKernels* kernels : qel::draw::AllKernels()) {
    if (kernels->supported() && run(*kernels) != expected) std::abort();
  }
  return 0;
}
