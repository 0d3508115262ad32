#include "draw/ClipPixelRect.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace qel::draw {
namespace {

// The steps k = 0 .. length-1 of one axis for which both start + k and
// dstStart + k fall inside their images: [*first, *first + *count).
bool ClipAxis(int length, int srcStart, int srcLimit, int dstStart, int dstLimit, int* first,
              int* count) {
  const int lo = std::max({0, -srcStart, -dstStart});
  const int hi = std::min({length, srcLimit - srcStart, dstLimit - dstStart});
  if (hi <= lo) return false;
  *first = lo;
  *count = hi - lo;
  return true;
}

std::uint8_t* PixelAddress(const QelImage& image, int x, int y) {
  const std::ptrdiff_t width = image.ps.width;
  const std::ptrdiff_t rowFromBottom = image.ps.height - 1 - y;
  return image.bits + (rowFromBottom * width + x) * kBytesPerPixel;
}

struct ByteSpan {
  std::uintptr_t begin;
  std::uintptr_t end;
};

ByteSpan SpanOf(const std::uint8_t* topRow, std::ptrdiff_t rowStep, int rows, int columns) {
  const auto top = reinterpret_cast<std::uintptr_t>(topRow);
  const auto lastOffset = static_cast<std::uintptr_t>(rowStep * (rows - 1));
  const std::uintptr_t bottom = top + lastOffset;
  const auto rowBytes = static_cast<std::uintptr_t>(columns * kBytesPerPixel);
  return {std::min(top, bottom), std::max(top, bottom) + rowBytes};
}

bool SameSurface(const QelImage& a, const QelImage& b) {
  return a.bits == b.bits && a.ps.width == b.ps.width && a.ps.height == b.ps.height;
}

}  // namespace

bool ClipPixelRect(const _QelPS& srcSize, const _QelPS& srcRect, const _QelPS& dstSize,
                   const _QelPS& dstRect, ClippedRect* clipped) {
  int firstColumn = 0;
  int firstRow = 0;
  if (!ClipAxis(srcRect.width, srcRect.x, srcSize.width, dstRect.x, dstSize.width, &firstColumn,
                &clipped->columns) ||
      !ClipAxis(srcRect.height, srcRect.y, srcSize.height, dstRect.y, dstSize.height, &firstRow,
                &clipped->rows)) {
    return false;
  }
  clipped->srcX = srcRect.x + firstColumn;
  clipped->srcY = srcRect.y + firstRow;
  clipped->dstX = dstRect.x + firstColumn;
  clipped->dstY = dstRect.y + firstRow;
  return true;
}

PixelJob MakePixelJob(const QelImage& src, const QelImage& dst, const ClippedRect& clipped) {
  PixelJob job;
  job.dst = PixelAddress(dst, clipped.dstX, clipped.dstY);
  job.src = PixelAddress(src, clipped.srcX, clipped.srcY);
  job.dstRowStep = -std::ptrdiff_t{dst.ps.width} * kBytesPerPixel;
  job.srcRowStep = -std::ptrdiff_t{src.ps.width} * kBytesPerPixel;
  job.rows = clipped.rows;
  job.columns = clipped.columns;
  return job;
}

bool PixelJobMayAlias(const QelImage& src, const QelImage& dst, const ClippedRect& clipped,
                      const PixelJob& job) {
  if (SameSurface(src, dst)) {
    // One surface seen through two handles: the rectangles overlap exactly
    // when both of their axes do.
    const bool columnsMeet = clipped.srcX < clipped.dstX + clipped.columns &&
                             clipped.dstX < clipped.srcX + clipped.columns;
    const bool rowsMeet =
        clipped.srcY < clipped.dstY + clipped.rows && clipped.dstY < clipped.srcY + clipped.rows;
    return columnsMeet && rowsMeet;
  }
  // Any other sharing of memory: compare the byte ranges the rows cover.
  const ByteSpan s = SpanOf(job.src, job.srcRowStep, job.rows, job.columns);
  const ByteSpan d = SpanOf(job.dst, job.dstRowStep, job.rows, job.columns);
  return s.begin < d.end && d.begin < s.end;
}

}  // namespace qel::draw
