#pragma once

#include <cstddef>
#include <cstdint>

namespace qel::draw {

// Rows of the SSE2 kernels, which every x86-64 processor runs; the wider
// kernels finish their rows with them.
void Sse2KeyedCopyRow(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count);
void Sse2BlendRow(std::uint8_t* dst, const std::uint8_t* src, std::ptrdiff_t count,
                  std::int32_t weight);

}  // namespace qel::draw
