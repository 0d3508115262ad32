// QelImage::Draw: the library's one drawing primitive. Plain copies go to the
// platform; the colour-keyed copy and the blend are computed here, directly on
// the two images' pixel stores.

#include <cstdint>

#include "QelLib.h"
#include "draw/BlendWeight.h"
#include "draw/PixelModes.h"
#include "draw/PlainCopy.h"

namespace {

// The per-pixel modes report success whatever they drew, and so does a type
// that draws nothing.
constexpr int kDrawn = 1;

}  // namespace

int QelImage::Draw(QelDrawType type, const _QelPS& srcRect, const QelImage* dst,
                   const _QelPS& dstRect, float blend, short /*extra*/) const {
  const std::int32_t weight = qel::draw::BlendWeight(blend);
  // There is nowhere to draw: report the failure rather than fault.
  if (dst == nullptr) return 0;
  // The window has no pixel store of ours: anything into it or out of it is
  // the platform's plain copy.
  if (isWindow != 0 || dst->isWindow != 0) type = QelDrawCopy;

  switch (type) {
    case QelDrawCopy:
      return qel::draw::PlainCopy(*this, srcRect, *dst, dstRect);
    case QelDrawTrans:
    case QelDrawBlend:
      // Keying and blending are defined pixel for pixel; between rectangles
      // of different sizes there is only the scaled plain copy.
      if (!qel::draw::SameSize(srcRect, dstRect))
        return qel::draw::PlainCopy(*this, srcRect, *dst, dstRect);
      if (type == QelDrawTrans) {
        qel::draw::DrawKeyedPixels(*this, srcRect, *dst, dstRect);
      } else {
        qel::draw::DrawBlendedPixels(*this, srcRect, *dst, dstRect, weight);
      }
      return kDrawn;
    default:
      return kDrawn;
  }
}
