// Every committed bitmap read through the platform's decoder: its size and
// stored depth, and its layout: the cells the game draws from hold a
// picture, the parts it treats as blank are pure white, and the pictures
// have the character the screens rely on.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "committed_files.h"
#include "decoded_picture.h"

namespace asset_test {
namespace {

enum class Fill {
  opaque,  // no pixel is pure white: drawn everywhere, nothing shows through
  blank,   // every pixel is pure white
  inked,   // at least a twentieth of the pixels are drawn
};

struct Region {
  Rect rect;
  Fill fill;
  const char* what;
};

struct BitmapCase {
  std::string file;
  int width;
  int height;
  int depth;
  int palette_colours;  // the header's count of colours used; 0 for true colour
  std::vector<Region> regions;
};

void PrintTo(const BitmapCase& c, std::ostream* out) {
  *out << c.file;
}

std::vector<Region> picture_with_white_border(int w, int h) {
  return {{{0, 0, w, h}, Fill::inked, "picture"},
          {{0, 0, w, 1}, Fill::blank, "top row"},
          {{0, h - 1, w, 1}, Fill::blank, "bottom row"},
          {{0, 0, 1, h}, Fill::blank, "left column"},
          {{w - 1, 0, 1, h}, Fill::blank, "right column"}};
}

std::vector<Region> font_sheet_regions() {
  std::vector<Region> regions = {{{160, 0, 256, 16}, Fill::blank, "blank cell and rest of row 0"}};
  for (int d = 0; d < 10; ++d)
    regions.push_back({{16 * d, 0, 16, 16}, Fill::inked, "digit"});
  for (int l = 0; l < 26; ++l)
    regions.push_back({{16 * l, 16, 16, 16}, Fill::inked, "letter"});
  return regions;
}

std::vector<Region> stage_label_regions() {
  std::vector<Region> regions = {
      {{4, 0, 165, 32}, Fill::inked, "STAGE"},
      {{0, 0, 4, 32}, Fill::blank, "left of STAGE"},
      {{169, 0, 151, 32}, Fill::blank, "right of STAGE, the digit slot included"},
  };
  for (int d = 0; d < 10; ++d)
    regions.push_back({{32 * d, 32, 32, 32}, Fill::inked, "big digit"});
  return regions;
}

std::vector<Region> face_regions() {
  std::vector<Region> regions;
  for (int n = 0; n < 4; ++n)
    regions.push_back({{128 * n, 0, 128, 200}, Fill::inked, "face"});
  return regions;
}

const std::vector<BitmapCase>& bitmap_cases() {
  static const std::vector<BitmapCase> cases = {
      {"BMP128.bmp",
       256,
       128,
       8,
       82,
       {{{0, 0, 32, 32}, Fill::opaque, "solid tile"},
        {{32, 0, 32, 32}, Fill::opaque, "open tile"},
        {{64, 0, 32, 32}, Fill::opaque, "goal tile"},
        {{96, 0, 32, 32}, Fill::opaque, "shadowed open tile"},
        {{128, 0, 128, 32}, Fill::blank, "rest of the tile row"},
        {{0, 32, 16, 16}, Fill::inked, "hook ball"},
        {{16, 32, 16, 32}, Fill::blank, "right half of the hook ball's cell"},
        {{0, 48, 16, 16}, Fill::blank, "below the hook ball"},
        {{0, 64, 32, 64}, Fill::blank, "below the hook ball's cell"},
        {{32, 32, 32, 64}, Fill::inked, "figure facing right"},
        {{64, 32, 32, 64}, Fill::inked, "figure facing left"},
        {{32, 96, 64, 32}, Fill::blank, "below the figures"},
        {{96, 32, 160, 96}, Fill::blank, "right of the figures"}}},
      {"BMP129.bmp", 416, 32, 24, 0, font_sheet_regions()},
      {"BMP130.bmp", 600, 163, 24, 0, picture_with_white_border(600, 163)},
      {"BMP131.bmp", 320, 64, 24, 0, stage_label_regions()},
      {"BMP132.bmp", 400, 144, 24, 0, picture_with_white_border(400, 144)},
      {"BMP133.bmp", 400, 144, 24, 0, picture_with_white_border(400, 144)},
      {"QELLOGO.bmp",
       480,
       356,
       8,
       0,
       {{{0, 0, 480, 178}, Fill::inked, "emblem"}, {{0, 178, 480, 178}, Fill::inked, "swoosh"}}},
      {"QELFACE.bmp", 512, 200, 4, 0, face_regions()},
  };
  return cases;
}

class CommittedBitmap : public testing::TestWithParam<BitmapCase> {};

TEST_P(CommittedBitmap, IsAnUncompressedBmpOfItsSizeAndDepth) {
  const BitmapCase& c = GetParam();
  const Bytes file = read_bytes(resource_dir() / c.file);
  EXPECT_EQ(u32_at(file, 14), 40u) << "info header size";
  EXPECT_EQ(u32_at(file, 30), 0u) << "compression";
  if (c.palette_colours != 0) {
    EXPECT_EQ(u32_at(file, 46), static_cast<unsigned>(c.palette_colours)) << "colours used";
  }

  const DecodedPicture picture(c.file);
  ASSERT_EQ(picture.error(), platform::BmpError::none) << platform::describe(picture.error());
  EXPECT_EQ(picture.width(), c.width);
  EXPECT_EQ(picture.height(), c.height);
  EXPECT_EQ(picture.stored_depth(), c.depth);
}

TEST_P(CommittedBitmap, HasItsLayout) {
  const BitmapCase& c = GetParam();
  const DecodedPicture picture(c.file);
  ASSERT_EQ(picture.error(), platform::BmpError::none);
  ASSERT_EQ(picture.width(), c.width);
  ASSERT_EQ(picture.height(), c.height);
  for (const Region& region : c.regions) {
    const Rect& r = region.rect;
    SCOPED_TRACE(testing::Message()
                 << region.what << " at x " << r.x << ", y " << r.y << ", " << r.w << " x " << r.h);
    const int area = r.w * r.h;
    const int inked = picture.inked_pixels(r);
    switch (region.fill) {
      case Fill::opaque:
        EXPECT_EQ(inked, area) << "pure white pixels would show through";
        break;
      case Fill::blank:
        EXPECT_EQ(inked, 0);
        break;
      case Fill::inked:
        EXPECT_GE(inked * 20, area);
        break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(GameResources, CommittedBitmap, testing::ValuesIn(bitmap_cases()),
                         [](const testing::TestParamInfo<BitmapCase>& info) {
                           return info.param.file.substr(0, info.param.file.find('.'));
                         });

// Average colour of the drawn (not pure white) pixels of a region.
Rgb ink_colour(const DecodedPicture& picture, const Rect& r) {
  long sums[3] = {0, 0, 0};
  long count = 0;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) {
      if (picture.white(x, y)) continue;
      const Rgb c = picture.at(x, y);
      sums[0] += c.r;
      sums[1] += c.g;
      sums[2] += c.b;
      ++count;
    }
  }
  if (count == 0) return {255, 255, 255};
  return {static_cast<int>(sums[0] / count), static_cast<int>(sums[1] / count),
          static_cast<int>(sums[2] / count)};
}

enum class Tint { pink_red, blue, grey, black };

bool has_tint(const Rgb& c, Tint tint) {
  switch (tint) {
    case Tint::pink_red:
      return c.r > c.g + 60 && c.r > c.b + 30;
    case Tint::blue:
      return c.b > c.r + 50 && c.b > c.g + 20;
    case Tint::grey:
      return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}) < 30;
    case Tint::black:
      return std::max({c.r, c.g, c.b}) < 60;
  }
  return false;
}

TEST(CommittedBitmapColours, EachPictureHasItsColourScheme) {
  struct Case {
    const char* file;
    Rect rect;
    Tint tint;
    const char* what;
  };
  const Case cases[] = {
      {"BMP129.bmp", {0, 0, 160, 16}, Tint::pink_red, "small digits"},
      {"BMP129.bmp", {0, 16, 416, 16}, Tint::blue, "small letters"},
      {"BMP130.bmp", {0, 0, 600, 163}, Tint::blue, "title logo"},
      {"BMP131.bmp", {0, 0, 224, 32}, Tint::grey, "STAGE"},
      {"BMP133.bmp", {0, 0, 400, 144}, Tint::grey, "GAME OVER"},
      {"QELLOGO.bmp", {0, 0, 480, 178}, Tint::grey, "emblem"},
      {"QELLOGO.bmp", {0, 178, 480, 178}, Tint::blue, "swoosh"},
      {"QELFACE.bmp", {0, 0, 512, 200}, Tint::black, "face lines"},
  };
  for (const Case& c : cases) {
    const DecodedPicture picture(c.file);
    ASSERT_EQ(picture.error(), platform::BmpError::none) << c.file;
    const Rgb ink = ink_colour(picture, c.rect);
    EXPECT_TRUE(has_tint(ink, c.tint)) << c.what << " in " << c.file << " averages (" << ink.r
                                       << ", " << ink.g << ", " << ink.b << ")";
  }
}

bool same_ink(const DecodedPicture& picture, const Rect& a, const Rect& b, bool mirrored) {
  for (int y = 0; y < a.h; ++y) {
    for (int x = 0; x < a.w; ++x) {
      const int bx = mirrored ? b.x + b.w - 1 - x : b.x + x;
      const Rgb p = picture.at(a.x + x, a.y + y);
      const Rgb q = picture.at(bx, b.y + y);
      if (p.r != q.r || p.g != q.g || p.b != q.b) return false;
    }
  }
  return true;
}

TEST(TileSheet, LeftFacingFigureMirrorsTheRightFacingOne) {
  const DecodedPicture sheet("BMP128.bmp");
  ASSERT_EQ(sheet.error(), platform::BmpError::none);
  EXPECT_TRUE(same_ink(sheet, {32, 32, 32, 64}, {64, 32, 32, 64}, true));
  EXPECT_FALSE(same_ink(sheet, {32, 32, 32, 64}, {64, 32, 32, 64}, false))
      << "a figure that is its own mirror image faces neither way";
}

TEST(TileSheet, ShadowedOpenTileIsAboutHalfAsBright) {
  const DecodedPicture sheet("BMP128.bmp");
  ASSERT_EQ(sheet.error(), platform::BmpError::none);
  const auto brightness = [&](int x0) {
    long sum = 0;
    for (int y = 0; y < 32; ++y)
      for (int x = x0; x < x0 + 32; ++x)
        sum += sheet.at(x, y).r + sheet.at(x, y).g + sheet.at(x, y).b;
    return static_cast<double>(sum);
  };
  const double ratio = brightness(96) / brightness(32);
  EXPECT_GT(ratio, 0.4);
  EXPECT_LT(ratio, 0.6);
}

// Two glyph cells or faces that look alike would make the counters and
// the splash lie about what they show.
TEST(CommittedBitmapCells, NoTwoCellsOfASetAreAlike) {
  struct CellSet {
    const char* file;
    int y;
    int size_x;
    int size_y;
    int count;
  };
  const CellSet sets[] = {
      {"BMP129.bmp", 0, 16, 16, 10},
      {"BMP129.bmp", 16, 16, 16, 26},
      {"BMP131.bmp", 32, 32, 32, 10},
      {"QELFACE.bmp", 0, 128, 200, 4},
  };
  for (const CellSet& set : sets) {
    const DecodedPicture picture(set.file);
    ASSERT_EQ(picture.error(), platform::BmpError::none) << set.file;
    for (int i = 0; i < set.count; ++i) {
      for (int j = i + 1; j < set.count; ++j) {
        EXPECT_FALSE(same_ink(picture, {i * set.size_x, set.y, set.size_x, set.size_y},
                              {j * set.size_x, set.y, set.size_x, set.size_y}, false))
            << set.file << ": cells " << i << " and " << j << " are the same";
      }
    }
  }
}

}  // namespace
}  // namespace asset_test
