// A program's resources found by name, and bitmap resources decoded into
// bitmaps.

#include "platform/resources.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "bmp_files.h"
#include "platform/bitmap.h"

namespace bmp_test {
namespace {

using platform::Resource;
using platform::ResourceType;

// One picture stored at several depths, and a few resources that are not
// bitmaps or do not decode. Built once: an instance keeps its table for good.
struct ResourceTable {
  Picture picture = make_picture(9, 4, 16);
  std::vector<Bytes> files;
  std::vector<Resource> entries;

  ResourceTable() {
    files.push_back(write_bmp(picture, {24}));
    files.push_back(write_bmp(picture, {8, 40, false, true}));
    files.push_back(write_bmp(picture, {4, 40, true}));
    files.push_back({0x00, 0x00, 0x01, 0x00});  // an icon file's opening
    Bytes broken = files[0];
    broken.resize(broken.size() - 1);
    files.push_back(broken);
    const char* names[] = {"TRUE", "PAL8", "PAL4", "TRUE", "BROKEN"};
    for (std::size_t i = 0; i < files.size(); ++i) {
      const ResourceType type = i == 3 ? ResourceType::icon_group : ResourceType::bitmap;
      entries.push_back({type, names[i], 1041, files[i].data(), files[i].size()});
    }
  }
};

const ResourceTable& table() {
  static const ResourceTable* resources = new ResourceTable;
  return *resources;
}

platform::Instance* instance() {
  return platform::program_instance("resource-tests", table().entries);
}

TEST(ProgramInstance, IsOnePerProgramAndKnowsItsName) {
  EXPECT_EQ(instance(), instance());
  EXPECT_STREQ(platform::instance_program_name(instance()), "resource-tests");
  EXPECT_NE(platform::program_instance("another-program", table().entries), instance());
  EXPECT_EQ(platform::program_instance(nullptr, table().entries), nullptr);
  EXPECT_EQ(platform::instance_program_name(nullptr), nullptr);
}

TEST(FindResource, MatchesTypeAndExactName) {
  const Resource* bitmap = platform::find_resource(instance(), ResourceType::bitmap, "TRUE");
  const Resource* icon = platform::find_resource(instance(), ResourceType::icon_group, "TRUE");
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(bitmap->data, table().files[0].data());
  EXPECT_EQ(icon->data, table().files[3].data());
  EXPECT_EQ(platform::find_resource(instance(), ResourceType::bitmap, "true"), nullptr);
  EXPECT_EQ(platform::find_resource(instance(), ResourceType::bitmap, "TRU"), nullptr);
  EXPECT_EQ(platform::find_resource(instance(), ResourceType::bitmap, nullptr), nullptr);
  EXPECT_EQ(platform::find_resource(nullptr, ResourceType::bitmap, "TRUE"), nullptr);
}

TEST(LoadBitmap, PalettedResourcesGiveTheColoursOfTheir24BitTwin) {
  platform::Bitmap* twin = platform::load_bitmap(instance(), "TRUE");
  ASSERT_NE(twin, nullptr);
  const Bytes expected = platform_pixels(table().picture);
  ASSERT_EQ(platform::bitmap_size(twin).width, 9);
  ASSERT_EQ(platform::bitmap_size(twin).height, 4);
  EXPECT_EQ(std::memcmp(platform::bitmap_bits(twin), expected.data(), expected.size()), 0);

  for (const char* name : {"PAL8", "PAL4"}) {
    SCOPED_TRACE(name);
    platform::Bitmap* bitmap = platform::load_bitmap(instance(), name);
    ASSERT_NE(bitmap, nullptr);
    ASSERT_EQ(platform::bitmap_size(bitmap).width, 9);
    ASSERT_EQ(platform::bitmap_size(bitmap).height, 4);
    EXPECT_EQ(
        std::memcmp(platform::bitmap_bits(bitmap), platform::bitmap_bits(twin), expected.size()),
        0);
    EXPECT_TRUE(platform::delete_bitmap(bitmap));
  }
  EXPECT_TRUE(platform::delete_bitmap(twin));
}

TEST(LoadBitmap, IsNullWithoutADecodableBitmapOfThatName) {
  EXPECT_EQ(platform::load_bitmap(nullptr, "TRUE"), nullptr);
  EXPECT_EQ(platform::load_bitmap(instance(), "MISSING"), nullptr);
  EXPECT_EQ(platform::load_bitmap(instance(), "BROKEN"), nullptr);
  static const platform::Resource icons[] = {table().entries[3]};
  platform::Instance* icons_only = platform::program_instance("icons-only", icons);
  EXPECT_EQ(platform::load_bitmap(icons_only, "TRUE"), nullptr) << "an icon is no bitmap";
}

}  // namespace
}  // namespace bmp_test
