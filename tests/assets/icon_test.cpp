// The program's icon group: a 32 x 32 and a 16 x 16 picture of sixteen
// colours, each a colour plane and a see-through mask behind an info header
// whose height counts both planes.

#include <gtest/gtest.h>

#include "committed_files.h"

namespace asset_test {
namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;

std::size_t stride(std::size_t width, std::size_t bits) {
  return (width * bits + 31) / 32 * 4;
}

// Whether the mask marks pixel (x, y), y from the top, as see-through.
bool see_through(const Bytes& icon, std::size_t mask_start, std::size_t size, std::size_t x,
                 std::size_t y) {
  const std::size_t row = mask_start + (size - 1 - y) * stride(size, 1);
  return (icon[row + x / 8] & (0x80 >> (x % 8))) != 0;
}

TEST(ProgramIcon, HoldsA32AndA16PixelSixteenColourIcon) {
  const Bytes icon = read_bytes(resource_dir() / "kelvro.ico");
  ASSERT_GE(icon.size(), kDirectorySize + 2 * kEntrySize);
  EXPECT_EQ(u16_at(icon, 0), 0u);
  EXPECT_EQ(u16_at(icon, 2), 1u) << "an icon, not a cursor";
  ASSERT_EQ(u16_at(icon, 4), 2u);

  std::size_t expected_offset = kDirectorySize + 2 * kEntrySize;
  for (std::size_t index = 0; index < 2; ++index) {
    const std::size_t size = index == 0 ? 32 : 16;
    SCOPED_TRACE(testing::Message() << size << " x " << size);
    const std::size_t entry = kDirectorySize + index * kEntrySize;
    EXPECT_EQ(icon[entry], size);
    EXPECT_EQ(icon[entry + 1], size);
    EXPECT_EQ(icon[entry + 2], 16) << "colours";
    EXPECT_EQ(u16_at(icon, entry + 4), 1u) << "planes";
    EXPECT_EQ(u16_at(icon, entry + 6), 4u) << "bits per pixel";
    const std::size_t length = u32_at(icon, entry + 8);
    const std::size_t offset = u32_at(icon, entry + 12);
    EXPECT_EQ(offset, expected_offset) << "images follow the directory in order";
    const std::size_t mask_start = offset + 40 + 16 * 4 + stride(size, 4) * size;
    EXPECT_EQ(length, mask_start + stride(size, 1) * size - offset);
    ASSERT_LE(offset + length, icon.size());
    expected_offset = offset + length;

    EXPECT_EQ(u32_at(icon, offset), 40u) << "info header size";
    EXPECT_EQ(u32_at(icon, offset + 4), size);
    EXPECT_EQ(u32_at(icon, offset + 8), 2 * size) << "height counts the colour plane and the mask";
    EXPECT_EQ(u16_at(icon, offset + 14), 4u);
    EXPECT_EQ(u32_at(icon, offset + 16), 0u) << "compression";
    EXPECT_TRUE(see_through(icon, mask_start, size, 0, 0)) << "rounded corner";
    EXPECT_FALSE(see_through(icon, mask_start, size, size / 2, size / 2)) << "the middle shows";
  }
  EXPECT_EQ(expected_offset, icon.size()) << "nothing after the last image";
}

}  // namespace
}  // namespace asset_test
