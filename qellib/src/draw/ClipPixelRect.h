#pragma once

#include "QelLib.h"
#include "draw/PixelJob.h"

namespace qel::draw {

// The part of an equal-size draw whose pixels lie inside both images: the
// image positions of its top-left pixel in each, and its size.
struct ClippedRect {
  int srcX;
  int srcY;
  int dstX;
  int dstY;
  int rows;
  int columns;
};

// Clips a draw of srcRect's size from srcRect of an image of size `srcSize`
// to dstRect of an image of size `dstSize`. Every pixel keeps its own
// position; a rectangle however far outside either image loses only the
// pixels outside. False when no pixel is left.
bool ClipPixelRect(const _QelPS& srcSize, const _QelPS& srcRect, const _QelPS& dstSize,
                   const _QelPS& dstRect, ClippedRect* clipped);

// The row walk over the pixel stores of two off-screen images for a clipped rectangle.
PixelJob MakePixelJob(const QelImage& src, const QelImage& dst, const ClippedRect& clipped);

// True when the source and destination pixels of a job may share bytes, so
// that the order in which the pixels are drawn shows in the result.
bool PixelJobMayAlias(const QelImage& src, const QelImage& dst, const ClippedRect& clipped,
                      const PixelJob& job);

}  // namespace qel::draw
