#pragma once

#include "QelLib.h"

namespace qel::draw {

// Equal size: the same height and the same width (16-bit comparisons).
inline bool SameSize(const _QelPS& a, const _QelPS& b) {
  return a.height == b.height && a.width == b.width;
}

// The platform's rectangle copy from srcRect of `src` to dstRect of `dst`:
// same-size when the rectangles have equal sizes, scaled otherwise. Non-zero
// when the platform copied.
int PlainCopy(const QelImage& src, const _QelPS& srcRect, const QelImage& dst,
              const _QelPS& dstRect);

}  // namespace qel::draw
