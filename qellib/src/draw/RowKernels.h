#pragma once

#include <cstdint>
#include <span>

#include "draw/PixelJob.h"

namespace qel::draw {

// One implementation of the two per-pixel modes for a clipped job whose
// source and destination share no bytes. Each instruction set has its own;
// all give the same bytes.
struct RowKernels {
  const char* name;
  bool (*supported)();
  // White source pixels leave the destination as it is; all others are copied.
  void (*keyedCopy)(const PixelJob& job);
  // The non-white source pixels blended over the destination with a weight
  // of 1 to 511 out of 512.
  void (*blend)(const PixelJob& job, std::int32_t weight);
};

// The pixel-by-pixel kernels: each pixel is read and then written in row
// order, so they are also right when source and destination overlap, and the
// blend takes any weight, with the products wrapping as 32-bit integers.
extern const RowKernels kScalarKernels;
void ScalarBlendAnyWeight(const PixelJob& job, std::int32_t weight);

extern const RowKernels kSse2Kernels;
extern const RowKernels kAvx2Kernels;
extern const RowKernels kAvx512Kernels;

// The fastest kernels this processor runs, picked on first use.
const RowKernels& SelectedKernels();

// Every kernel set, slowest first; `supported` tells which this processor runs.
std::span<const RowKernels* const> AllKernels();

}  // namespace qel::draw
