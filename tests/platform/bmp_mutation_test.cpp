// Damaged files by the thousand: bytes flipped, fields set to extremes, files
// cut short. The decoder must answer every one without reading past the file
// (the sanitizer build checks that) and, when it accepts one, give a picture
// that is whole.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "bmp_files.h"
#include "platform/bitmap.h"
#include "platform/bmp.h"

namespace bmp_test {
namespace {

std::vector<Bytes> seed_files() {
  std::vector<Bytes> files;
  for (int depth : {1, 4, 8, 24}) {
    const Picture picture = make_picture(6, 5, depth == 1 ? 2 : 7);
    files.push_back(write_bmp(picture, {depth}));
    files.push_back(write_bmp(picture, {depth, 40, true}));
    files.push_back(write_bmp(picture, {depth, 12}));
  }
  return files;
}

// Header fields where a lie does the most harm.
constexpr std::size_t kFields[] = {kPixelOffsetAt, kHeaderSizeAt, kWidthAt,       kHeightAt,
                                   kPlanesAt,      kDepthAt,      kCompressionAt, kColoursUsedAt};
constexpr std::uint32_t kExtremes[] = {0,          1,          2,          0x7FFFFFFF, 0x80000000,
                                       0xFFFFFFFF, 0xFFFFFFFE, 0x00004000, 0x00004001, 0x00000100};

void damage(Bytes& file, std::mt19937& random) {
  auto below = [&](std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
  };
  if (file.empty()) return;
  std::size_t kind = below(4);
  if (kind == 2 && file.size() < kColoursUsedAt + 4) kind = 0;  // the fields are not all there
  switch (kind) {
    case 0:  // a few bits flipped anywhere
      for (std::size_t n = 1 + below(4); n > 0; --n) {
        file[below(file.size())] ^= static_cast<std::uint8_t>(1u << below(8));
      }
      break;
    case 1:  // a byte set to a boundary value
      file[below(file.size())] = std::vector<std::uint8_t>{0x00, 0x01, 0x7F, 0x80, 0xFF}[below(5)];
      break;
    case 2:  // a header field set to an extreme
      put_u32(file, kFields[below(std::size(kFields))], kExtremes[below(std::size(kExtremes))]);
      break;
    default:  // cut short
      file.resize(below(file.size()));
      break;
  }
}

TEST(DecodeBmp, SurvivesThousandsOfDamagedFiles) {
  const std::vector<Bytes> seeds = seed_files();
  std::mt19937 random(20240611);  // fixed, so that a failure repeats
  int accepted = 0;
  for (int round = 0; round < 6000; ++round) {
    Bytes file = seeds[static_cast<std::size_t>(round) % seeds.size()];
    damage(file, random);
    if (round % 3 == 0) damage(file, random);

    platform::DecodedBitmap out;
    if (platform::decode_bmp(file, out) != platform::BmpError::none) continue;
    ++accepted;
    ASSERT_GT(out.width, 0) << "round " << round;
    ASSERT_GT(out.height, 0) << "round " << round;
    ASSERT_LE(std::int64_t{out.width} * out.height, platform::kMaxBitmapPixels);
    ASSERT_EQ(out.pixels.size(), static_cast<std::size_t>(out.width) * out.height * 3)
        << "round " << round;
  }
  // Flipped pixel bytes leave most files valid; the loop must have seen some.
  EXPECT_GT(accepted, 100);
}

}  // namespace
}  // namespace bmp_test
