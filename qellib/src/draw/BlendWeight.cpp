#include "draw/BlendWeight.h"

#include <limits>

namespace qel::draw {

std::int32_t BlendWeight(float factor) {
  // Multiplying by a power of two is exact (or overflows to infinity), so the
  // product in float is the product in any wider type.
  const float scaled = factor * 512.0f;
  // -2^31 and 2^31 are exact floats. The test is written so that NaN fails it.
  if (!(scaled >= -2147483648.0f && scaled < 2147483648.0f)) {
    return std::numeric_limits<std::int32_t>::min();
  }
  return static_cast<std::int32_t>(scaled);
}

}  // namespace qel::draw
