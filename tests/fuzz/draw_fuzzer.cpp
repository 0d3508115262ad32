// Random draws between small off-screen images, the same image included,
// checked byte for byte against the plain pixel loop. Types 1 and 2 of equal
// size are that loop; everything else here is a plain copy or nothing, and
// with no platform context behind these images a plain copy fails and leaves
// the pixels alone.

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "QelLib.h"
#include "fuzz_input.h"
#include "pixel_loop_reference.h"

namespace {

struct Surface {
  std::vector<std::uint8_t> bytes;
  QelImage image;

  Surface(int width, int height)
      : bytes(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3) {
    image.bits = bytes.data();
    image.ps = {0, 0, static_cast<std::int16_t>(height), static_cast<std::int16_t>(width)};
  }
};

float PickFactor(qelfuzz::FuzzInput& in) {
  static const float kFactors[] = {0.0f, 0.01f, 0.5f, 0.999f, 1.0f, 1.5f, -0.5f, 1.0e6f};
  const std::uint8_t how = in.Byte();
  if (how < 128) return kFactors[how % 8];
  return in.Float();
}

QelDrawType PickType(qelfuzz::FuzzInput& in) {
  const std::uint8_t how = in.Byte();
  if (how < 240) return static_cast<QelDrawType>(how % 4);
  const auto high = static_cast<std::uint32_t>(static_cast<std::uint16_t>(in.Int16()));
  const auto low = static_cast<std::uint32_t>(static_cast<std::uint16_t>(in.Int16()));
  return static_cast<QelDrawType>(static_cast<std::int32_t>(high << 16 | low));
}

void Check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  qelfuzz::FuzzInput in(data, size);
  const std::uint8_t shape = in.Byte();
  const bool sameImage = (shape & 1) != 0;
  Surface src(in.Byte() % 70 + 1, in.Byte() % 20 + 1);
  Surface other(in.Byte() % 70 + 1, in.Byte() % 20 + 1);
  Surface& dst = sameImage ? src : other;
  if ((shape & 2) != 0) src.image.isWindow = 1;
  if ((shape & 4) != 0) dst.image.isWindow = 1;
  in.FillPixels(src.bytes.data(), src.bytes.size());
  if (!sameImage) in.FillPixels(other.bytes.data(), other.bytes.size());

  const QelDrawType type = PickType(in);
  const float factor = PickFactor(in);
  const int srcWidth = src.image.ps.width, srcHeight = src.image.ps.height;
  const int dstWidth = dst.image.ps.width, dstHeight = dst.image.ps.height;
  _QelPS from = {in.Coordinate(srcHeight), in.Coordinate(srcWidth), in.Coordinate(srcHeight),
                 in.Coordinate(srcWidth)};
  _QelPS to = {in.Coordinate(dstHeight), in.Coordinate(dstWidth), from.height, from.width};
  if ((shape & 8) != 0) to.width = in.Coordinate(dstWidth);  // a scaled copy

  std::vector<std::uint8_t> expected = dst.bytes;
  const bool window = src.image.isWindow != 0 || dst.image.isWindow != 0;
  const bool sameSize = from.width == to.width && from.height == to.height;
  const bool perPixel = !window && sameSize && (type == QelDrawTrans || type == QelDrawBlend);
  const bool plainCopy = window || type == QelDrawCopy ||
                         ((type == QelDrawTrans || type == QelDrawBlend) && !sameSize);
  if (perPixel) {
    const qeltest::PixelStore srcStore = {sameImage ? expected.data() : src.bytes.data(), srcWidth,
                                          srcHeight};
    const qeltest::PixelStore dstStore = {expected.data(), dstWidth, dstHeight};
    qeltest::ReferenceDraw(type, srcStore, from.y, from.x, from.height, from.width, dstStore, to.y,
                           to.x, factor);
  }

  const int result = src.image.Draw(type, from, &dst.image, to, factor, 0);
  Check(plainCopy ? result == 0 : result != 0);
  Check(dst.bytes == expected);
  return 0;
}
