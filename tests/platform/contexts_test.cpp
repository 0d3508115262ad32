// Pixel sections, memory contexts, and the rules of selecting and deleting.

#include <gtest/gtest.h>

#include <cstdint>

#include "drawing_fixtures.h"
#include "platform/bitmap.h"
#include "platform/draw.h"

namespace drawing_test {
namespace {

using platform::Bitmap;
using platform::DrawContext;

TEST(PixelSection, IsZeroFilledAndAddressedBottomUp) {
  std::uint8_t* bits = nullptr;
  Bitmap* bitmap = platform::create_pixel_section(5, 3, &bits);
  ASSERT_NE(bitmap, nullptr);
  EXPECT_EQ(bits, platform::bitmap_bits(bitmap));
  EXPECT_EQ(platform::bitmap_size(bitmap).width, 5);
  EXPECT_EQ(platform::bitmap_size(bitmap).height, 3);
  for (int i = 0; i < 5 * 3 * 3; ++i)
    ASSERT_EQ(bits[i], 0) << "byte " << i;

  // Pixel (1, 0), on the top row, is in the last row of memory, blue first.
  DrawContext* context = platform::create_memory_context(screen_context());
  platform::select_bitmap(context, bitmap);
  platform::fill_rect(context, 1, 0, 2, 1, platform::make_colour(0x11, 0x22, 0x33));
  const std::size_t at = (2 * 5 + 1) * 3;
  EXPECT_EQ(bits[at], 0x33);
  EXPECT_EQ(bits[at + 1], 0x22);
  EXPECT_EQ(bits[at + 2], 0x11);
  platform::delete_context(context);
  EXPECT_TRUE(platform::delete_bitmap(bitmap));
}

TEST(PixelSection, RefusesSizesOutsideTheLimits) {
  struct Size {
    int width, height;
  };
  const Size refused[] = {{0, 1},
                          {1, 0},
                          {-4, 4},
                          {4, -4},
                          {platform::kMaxBitmapSide + 1, 1},
                          {1, platform::kMaxBitmapSide + 1},
                          {platform::kMaxBitmapSide, platform::kMaxBitmapSide},
                          {platform::kMaxBitmapSide, 4097}};
  for (const Size& size : refused) {
    SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
    std::uint8_t* untouched = reinterpret_cast<std::uint8_t*>(&untouched);
    EXPECT_EQ(platform::create_pixel_section(size.width, size.height, &untouched), nullptr);
    EXPECT_EQ(untouched, reinterpret_cast<std::uint8_t*>(&untouched));
  }
  Bitmap* widest = platform::create_pixel_section(platform::kMaxBitmapSide, 1, nullptr);
  EXPECT_NE(widest, nullptr);
  platform::delete_bitmap(widest);
}

TEST(MemoryContext, StartsWithTheStockBitmapWhichIsNeverDrawnInto) {
  EXPECT_EQ(platform::create_memory_context(nullptr), nullptr);
  DrawContext* fresh = platform::create_memory_context(screen_context());
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(platform::context_size(fresh).width, 1);
  EXPECT_EQ(platform::context_size(fresh).height, 1);

  // Drawing into the placeholder leaves it black for every other context.
  EXPECT_TRUE(platform::fill_rect(fresh, 0, 0, 1, 1, platform::kWhite));
  DrawContext* other = platform::create_memory_context(fresh);
  Canvas canvas(1, 1);
  canvas.fill_with_pattern(1);
  EXPECT_TRUE(platform::copy_rect(canvas.context(), 0, 0, 1, 1, other, 0, 0));
  EXPECT_EQ(canvas.pixel(0, 0), platform::kBlack);

  EXPECT_TRUE(platform::delete_context(fresh));
  EXPECT_TRUE(platform::delete_context(other));
}

TEST(MemoryContext, SelectionAndDeletionRules) {
  DrawContext* first = platform::create_memory_context(screen_context());
  DrawContext* second = platform::create_memory_context(screen_context());
  Bitmap* bitmap = platform::create_pixel_section(4, 4, nullptr);
  Bitmap* spare = platform::create_pixel_section(2, 2, nullptr);

  // A fresh context gives up the stock bitmap, which can be deleted by no one.
  Bitmap* stock = platform::select_bitmap(first, bitmap);
  ASSERT_NE(stock, nullptr);
  EXPECT_EQ(platform::bitmap_size(stock).width, 1);
  EXPECT_FALSE(platform::delete_bitmap(stock));
  EXPECT_EQ(platform::context_size(first).width, 4);

  // A bitmap is in one context at a time and stays while it is selected.
  EXPECT_EQ(platform::select_bitmap(second, bitmap), nullptr);
  EXPECT_FALSE(platform::delete_bitmap(bitmap));
  EXPECT_EQ(platform::select_bitmap(first, bitmap), bitmap) << "selecting it again changes nothing";

  // Swapping it out frees it for another context, or for deletion.
  EXPECT_EQ(platform::select_bitmap(first, spare), bitmap);
  EXPECT_NE(platform::select_bitmap(second, bitmap), nullptr);
  EXPECT_EQ(platform::select_bitmap(second, stock), bitmap);
  EXPECT_TRUE(platform::delete_bitmap(bitmap));
  EXPECT_FALSE(platform::delete_bitmap(bitmap)) << "already released";

  // Deleting a context leaves its bitmap, which may then be deleted.
  EXPECT_TRUE(platform::delete_context(first));
  EXPECT_FALSE(platform::delete_context(first));
  EXPECT_TRUE(platform::delete_bitmap(spare));

  // Window contexts take no selection and are not deleted.
  Bitmap* other = platform::create_pixel_section(2, 2, nullptr);
  EXPECT_EQ(platform::select_bitmap(screen_context(), other), nullptr);
  EXPECT_FALSE(platform::delete_context(screen_context()));
  EXPECT_EQ(platform::select_bitmap(nullptr, other), nullptr);
  EXPECT_EQ(platform::select_bitmap(second, nullptr), nullptr);
  EXPECT_FALSE(platform::delete_context(nullptr));
  EXPECT_FALSE(platform::delete_bitmap(nullptr));
  EXPECT_TRUE(platform::delete_bitmap(other));
  EXPECT_TRUE(platform::delete_context(second));
}

TEST(MemoryContext, DrawingCallsFailOnlyForANullContext) {
  Canvas canvas(3, 3);
  EXPECT_FALSE(platform::copy_rect(nullptr, 0, 0, 1, 1, canvas.context(), 0, 0));
  EXPECT_FALSE(platform::copy_rect(canvas.context(), 0, 0, 1, 1, nullptr, 0, 0));
  EXPECT_FALSE(platform::stretch_rect(nullptr, 0, 0, 1, 1, canvas.context(), 0, 0, 2, 2));
  EXPECT_FALSE(platform::stretch_rect(canvas.context(), 0, 0, 1, 1, nullptr, 0, 0, 2, 2));
  EXPECT_FALSE(platform::fill_rect(nullptr, 0, 0, 1, 1, platform::kWhite));
  EXPECT_FALSE(platform::draw_line(nullptr, 0, 0, 1, 1, platform::kWhite));
  EXPECT_EQ(platform::context_size(nullptr).width, 0);
  EXPECT_EQ(platform::bitmap_size(nullptr).width, 0);
  EXPECT_EQ(platform::bitmap_bits(static_cast<Bitmap*>(nullptr)), nullptr);
}

}  // namespace
}  // namespace drawing_test
