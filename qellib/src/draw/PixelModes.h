#pragma once

#include <cstdint>

#include "QelLib.h"

namespace qel::draw {

// The two modes the library computes itself, on the pixel stores of two
// off-screen images with rectangles of equal size (srcRect's size is used).
// Only the pixels inside both images are drawn, each at its own position.
void DrawKeyedPixels(const QelImage& src, const _QelPS& srcRect, const QelImage& dst,
                     const _QelPS& dstRect);
void DrawBlendedPixels(const QelImage& src, const _QelPS& srcRect, const QelImage& dst,
                       const _QelPS& dstRect, std::int32_t weight);

}  // namespace qel::draw
