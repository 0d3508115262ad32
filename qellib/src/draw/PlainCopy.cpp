#include "draw/PlainCopy.h"

#include "platform/draw.h"

namespace qel::draw {

int PlainCopy(const QelImage& src, const _QelPS& srcRect, const QelImage& dst,
              const _QelPS& dstRect) {
  const bool copied =
      SameSize(srcRect, dstRect)
          ? platform::copy_rect(dst.dc, dstRect.x, dstRect.y, dstRect.width, dstRect.height, src.dc,
                                srcRect.x, srcRect.y)
          : platform::stretch_rect(dst.dc, dstRect.x, dstRect.y, dstRect.width, dstRect.height,
                                   src.dc, srcRect.x, srcRect.y, srcRect.width, srcRect.height);
  return copied ? 1 : 0;
}

}  // namespace qel::draw
