// The BMP decoder on valid files of every kind it reads, and on files that
// lie about themselves.

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>

#include "bmp_files.h"
#include "platform/bitmap.h"
#include "platform/bmp.h"

namespace bmp_test {
namespace {

using platform::BmpError;

// Width 5 leaves padding at the end of the rows of every depth.
Picture picture_for(int depth) {
  return make_picture(5, 3, depth == 1 ? 2 : 6);
}

BmpError decode(const Bytes& file, platform::DecodedBitmap& out) {
  return platform::decode_bmp(file, out);
}

BmpError decode(const Bytes& file) {
  platform::DecodedBitmap out;
  return decode(file, out);
}

void expect_decodes_to(const Bytes& file, const Picture& picture, int depth) {
  platform::DecodedBitmap out;
  ASSERT_EQ(decode(file, out), BmpError::none);
  EXPECT_EQ(out.width, picture.width);
  EXPECT_EQ(out.height, picture.height);
  EXPECT_EQ(out.stored_depth, depth);
  EXPECT_EQ(out.pixels, platform_pixels(picture));
}

TEST(DecodeBmp, ReadsEveryDepthHeaderAndRowOrder) {
  for (int depth : {1, 4, 8, 24}) {
    for (std::uint32_t header : {12u, 40u, 52u, 56u, 108u, 124u}) {
      for (bool top_down : {false, true}) {
        if (header == 12 && top_down) continue;  // the core header has no top-down rows
        for (bool full_palette : {false, true}) {
          if (full_palette && depth == 24) continue;
          SCOPED_TRACE(testing::Message()
                       << depth << " bits, header " << header << (top_down ? ", top-down" : "")
                       << (full_palette ? ", full palette" : ""));
          const Picture picture = picture_for(depth);
          expect_decodes_to(write_bmp(picture, {depth, header, top_down, full_palette}), picture,
                            depth);
        }
      }
    }
  }
}

TEST(DecodeBmp, FollowsThePixelOffsetAndIgnoresWhatItNeedNotTrust) {
  const Picture picture = picture_for(8);
  Bytes file = write_bmp(picture, {8});

  // Pixel data after a gap, where the offset says it is.
  Bytes gapped = file;
  const std::uint32_t offset = gapped[kPixelOffsetAt];
  gapped.insert(gapped.begin() + offset, 6, 0xEE);
  put_u32(gapped, kPixelOffsetAt, offset + 6);
  expect_decodes_to(gapped, picture, 8);

  // The file size field is often wrong in the wild; nothing depends on it.
  put_u32(file, kFileSizeAt, 0);
  expect_decodes_to(file, picture, 8);

  // A 24-bit file may carry a colour table its pixels do not use.
  Picture truecolour = picture_for(24);
  Bytes with_table = write_bmp(truecolour, {24});
  with_table.insert(with_table.begin() + 54, 8, 0x55);
  put_u32(with_table, kColoursUsedAt, 2);
  put_u32(with_table, kPixelOffsetAt, 62);
  expect_decodes_to(with_table, truecolour, 24);
}

TEST(DecodeBmp, PaddingBitsAfterTheLastPixelAreNoPixels) {
  // A one-colour 1-bit picture of width 3: the five low bits of each row's
  // byte are padding, and set they must not count as a colour past the palette.
  Picture picture = make_picture(3, 2, 1);
  Bytes file = write_bmp(picture, {1});
  const std::uint32_t offset = file[kPixelOffsetAt];
  file[offset] = 0x1F;
  file[offset + 4] = 0x1F;
  expect_decodes_to(file, picture, 1);
}

struct Malformed {
  const char* name;
  void (*damage)(Bytes& file);
  BmpError expected;
};

// Every case damages the same valid file: 8 bits, 5 x 3, six colours, the
// 40-byte header, palette at 54, pixels at 78, 102 bytes in all.
const Malformed kMalformed[] = {
    {"empty", [](Bytes& f) { f.clear(); }, BmpError::truncated},
    {"signature only", [](Bytes& f) { f.resize(2); }, BmpError::truncated},
    {"wrong signature", [](Bytes& f) { f[1] = 'A'; }, BmpError::bad_signature},
    {"header size 0", [](Bytes& f) { put_u32(f, kHeaderSizeAt, 0); }, BmpError::bad_header},
    {"header size 64", [](Bytes& f) { put_u32(f, kHeaderSizeAt, 64); }, BmpError::bad_header},
    {"header size huge", [](Bytes& f) { put_u32(f, kHeaderSizeAt, UINT32_MAX); },
     BmpError::bad_header},
    {"header longer than the file", [](Bytes& f) { put_u32(f, kHeaderSizeAt, 124); },
     BmpError::truncated},
    {"no planes", [](Bytes& f) { put_u16(f, kPlanesAt, 0); }, BmpError::bad_header},
    {"two planes", [](Bytes& f) { put_u16(f, kPlanesAt, 2); }, BmpError::bad_header},
    {"depth 0", [](Bytes& f) { put_u16(f, kDepthAt, 0); }, BmpError::unsupported_format},
    {"depth 2", [](Bytes& f) { put_u16(f, kDepthAt, 2); }, BmpError::unsupported_format},
    {"depth 16", [](Bytes& f) { put_u16(f, kDepthAt, 16); }, BmpError::unsupported_format},
    {"depth 32", [](Bytes& f) { put_u16(f, kDepthAt, 32); }, BmpError::unsupported_format},
    {"run-length compressed", [](Bytes& f) { put_u32(f, kCompressionAt, 1); },
     BmpError::unsupported_format},
    {"bit fields", [](Bytes& f) { put_u32(f, kCompressionAt, 3); }, BmpError::unsupported_format},
    {"zero width", [](Bytes& f) { put_u32(f, kWidthAt, 0); }, BmpError::bad_dimensions},
    {"negative width", [](Bytes& f) { put_u32(f, kWidthAt, static_cast<std::uint32_t>(-5)); },
     BmpError::bad_dimensions},
    {"zero height", [](Bytes& f) { put_u32(f, kHeightAt, 0); }, BmpError::bad_dimensions},
    {"width past the side limit",
     [](Bytes& f) { put_u32(f, kWidthAt, platform::kMaxBitmapSide + 1); }, BmpError::too_large},
    {"width at int max", [](Bytes& f) { put_u32(f, kWidthAt, INT32_MAX); }, BmpError::too_large},
    {"top-down height past the side limit",
     [](Bytes& f) {
       put_u32(f, kHeightAt, static_cast<std::uint32_t>(-(platform::kMaxBitmapSide + 1)));
     },
     BmpError::too_large},
    {"height at int min", [](Bytes& f) { put_u32(f, kHeightAt, 0x80000000u); },
     BmpError::too_large},
    {"sides within the limit, pixels not",
     [](Bytes& f) {
       put_u32(f, kWidthAt, platform::kMaxBitmapSide);
       put_u32(f, kHeightAt, platform::kMaxBitmapSide);
     },
     BmpError::too_large},
    {"largest allowed picture with its pixels missing",
     [](Bytes& f) {
       put_u32(f, kWidthAt, platform::kMaxBitmapSide);
       put_u32(f, kHeightAt, platform::kMaxBitmapPixels / platform::kMaxBitmapSide);
     },
     BmpError::truncated},
    {"257 colours for 8 bits", [](Bytes& f) { put_u32(f, kColoursUsedAt, 257); },
     BmpError::bad_palette},
    {"colour count at its maximum", [](Bytes& f) { put_u32(f, kColoursUsedAt, UINT32_MAX); },
     BmpError::bad_palette},
    {"palette running past the end", [](Bytes& f) { put_u32(f, kColoursUsedAt, 255); },
     BmpError::truncated},
    {"pixels at offset 0", [](Bytes& f) { put_u32(f, kPixelOffsetAt, 0); }, BmpError::bad_offset},
    {"pixels inside the header", [](Bytes& f) { put_u32(f, kPixelOffsetAt, 30); },
     BmpError::bad_offset},
    {"pixels inside the palette", [](Bytes& f) { put_u32(f, kPixelOffsetAt, 77); },
     BmpError::bad_offset},
    {"pixels one byte short", [](Bytes& f) { put_u32(f, kPixelOffsetAt, 79); },
     BmpError::truncated},
    {"pixels past the end", [](Bytes& f) { put_u32(f, kPixelOffsetAt, UINT32_MAX); },
     BmpError::truncated},
    {"index past the palette", [](Bytes& f) { f[78 + 4] = 6; }, BmpError::bad_palette_index},
    {"index 255", [](Bytes& f) { f[f.size() - 4] = 255; }, BmpError::bad_palette_index},
};

TEST(DecodeBmp, RefusesMalformedFilesWithTheirReason) {
  const Bytes valid = write_bmp(picture_for(8), {8});
  ASSERT_EQ(valid.size(), 102u);
  for (const Malformed& m : kMalformed) {
    SCOPED_TRACE(m.name);
    Bytes file = valid;
    m.damage(file);
    platform::DecodedBitmap out;
    out.width = 77;
    EXPECT_EQ(decode(file, out), m.expected) << platform::describe(decode(file, out));
    EXPECT_EQ(out.width, 77) << "the output changes only on success";
  }
}

TEST(DecodeBmp, RefusesIndexesPastShortPalettesOfEveryDepth) {
  for (int depth : {1, 4, 8}) {
    SCOPED_TRACE(testing::Message() << depth << " bits");
    Picture picture = make_picture(5, 3, 1);
    picture.indices[7] = 1;  // the palette has one colour
    EXPECT_EQ(decode(write_bmp(picture, {depth})), BmpError::bad_palette_index);
  }
  Picture four_bit = make_picture(5, 3, 4);
  Bytes file = write_bmp(four_bit, {4});
  put_u32(file, kColoursUsedAt, 17);
  EXPECT_EQ(decode(file), BmpError::bad_palette);
}

TEST(DecodeBmp, EveryTruncationIsReportedAsSuch) {
  for (int depth : {1, 8, 24}) {
    for (std::uint32_t header : {12u, 124u}) {
      const Bytes file = write_bmp(picture_for(depth), {depth, header});
      for (std::size_t length = 0; length < file.size(); ++length) {
        SCOPED_TRACE(testing::Message() << depth << " bits, header " << header << ", " << length
                                        << " of " << file.size() << " bytes");
        const Bytes cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_EQ(decode(cut), BmpError::truncated);
      }
    }
  }
}

TEST(EncodeBmp24, WritesAFileThatDecodesToTheSamePixels) {
  const Picture picture = make_picture(7, 4, 6);
  const Bytes pixels = platform_pixels(picture);
  const Bytes file = platform::encode_bmp24(7, 4, pixels);
  EXPECT_EQ(file.size(), 54u + 4 * 24);  // rows of 21 bytes padded to 24
  expect_decodes_to(file, picture, 24);

  EXPECT_TRUE(platform::encode_bmp24(0, 4, {}).empty());
  EXPECT_TRUE(platform::encode_bmp24(7, 4, {pixels.data(), pixels.size() - 1}).empty());
  EXPECT_TRUE(platform::encode_bmp24(platform::kMaxBitmapSide + 1, 1, pixels).empty());
}

}  // namespace
}  // namespace bmp_test
