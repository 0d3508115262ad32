// QelSprite: a stored drawing recipe. Every operation is one QelImage::Draw.

#include "LibraryState.h"
#include "QelLib.h"

namespace {

constexpr _QelPS WholeImage(const QelImage* image) {
  // A sprite without a source has nothing to take: an empty rectangle.
  if (image == nullptr) return {0, 0, 0, 0};
  return {0, 0, image->ps.height, image->ps.width};
}

// The plain copy of `rect` from `source` to the same place in `destination`.
int CopyBack(const QelImage* source, const QelImage* destination, const _QelPS& rect) {
  if (source == nullptr) return 0;
  return source->Draw(QelDrawCopy, rect, destination, rect, 1.0f, 0);
}

}  // namespace

QelSprite::QelSprite()
    : transColor(0xFFFFFF),
      baseRect{0, 0, 0, 0},
      dstImage(nullptr),
      eraseImage(nullptr),
      srcImage(nullptr),
      posRect(baseRect),
      srcRect(baseRect),
      rotateRect(baseRect),
      drawType(QelDrawCopy),
      spare(0),
      blend(1.0f),
      extra(0) {}

// A sprite owns none of its images.
QelSprite::~QelSprite() = default;

int QelSprite::Set(QelDrawType type, QelImage* src, _QelPS* rect, QelImage* dst, float blend,
                   short extra) {
  drawType = type;
  srcImage = src;
  dstImage = dst;
  // One rectangle for both ends: the pixels at (x, y) of the source go to
  // (x, y) of the destination until the caller moves one of them.
  const _QelPS placed = rect != nullptr ? *rect : WholeImage(src);
  posRect = placed;
  srcRect = placed;
  rotateRect = placed;
  this->blend = blend;
  this->extra = extra;
  return 1;
}

int QelSprite::Draw(QelImage* dst, _QelPS* rect) {
  LibraryState.spriteRect = rect != nullptr ? *rect : posRect;
  QelImage* destination = dst != nullptr ? dst : dstImage;
  if (srcImage == nullptr) return 0;
  return srcImage->Draw(drawType, srcRect, destination, LibraryState.spriteRect, blend, extra);
}

int QelSprite::Erase(QelImage* src, QelImage* dst) {
  return CopyBack(src != nullptr ? src : eraseImage, dst != nullptr ? dst : dstImage, posRect);
}

int QelSprite::EraseRotate(QelImage* src, QelImage* dst) {
  return CopyBack(src != nullptr ? src : eraseImage, dst != nullptr ? dst : dstImage, rotateRect);
}

void QelSprite::SetTransColor(short r, short g, short b) {
  const auto low8 = [](short channel) { return static_cast<std::uint32_t>(channel) & 0xFF; };
  transColor = low8(r) | (low8(g) << 8) | (low8(b) << 16);
}
