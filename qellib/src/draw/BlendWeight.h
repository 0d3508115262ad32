#pragma once

#include <cstdint>

namespace qel::draw {

// The blend weight of a factor: factor * 512 truncated toward zero. A NaN or a
// product outside the 32-bit range gives INT32_MIN, as the processor's own
// truncating conversion does, so every float has one defined weight.
std::int32_t BlendWeight(float factor);

}  // namespace qel::draw
