// The bitmap font and the frame counter.

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "PlayAssets.h"
#include "font/DrawGlyphs.h"
#include "font/FontCells.h"
#include "font/HudCounter.h"

namespace {

TEST(FontCellsTest, DigitsCapitalsAndABlankForEverythingElse) {
  const struct {
    char character;
    std::int16_t x, y;
  } cases[] = {
      {'0', 0, 0},   {'7', 112, 0}, {'9', 144, 0},    {'A', 0, 16},     {'Z', 400, 16},
      {'a', 160, 0}, {' ', 160, 0}, {'\0', 160, 0},   {'/', 160, 0},    {':', 160, 0},
      {'@', 160, 0}, {'[', 160, 0}, {'\x80', 160, 0}, {'\xff', 160, 0},
  };
  for (const auto& c : cases) {
    const FontCell cell = CharCell(static_cast<std::int8_t>(c.character));
    EXPECT_EQ(cell.x, c.x) << static_cast<int>(c.character);
    EXPECT_EQ(cell.y, c.y) << static_cast<int>(c.character);
  }
  EXPECT_EQ(DigitCell(12).x, 192);  // not range-tested: a blank cell
}

// A scratch surface for the glyph routines, set up once like the game's own.
QelImage& Scratch() {
  static QelImage* image = [] {
    auto* scratch = new QelImage;
    scratch->Set(640, 64);
    return scratch;
  }();
  return *image;
}

class GlyphTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    ASSERT_NE(Scratch().bits, nullptr);
    Scratch().Clear(0, 0, 0);
  }

  // Whether the cell of FontSheet at (cellX, cellY) was drawn at (x, y) of the
  // black scratch: everything with a copy, only the non-white pixels keyed.
  static bool ShowsCell(int x, int y, int cellX, int cellY, QelDrawType type) {
    for (int dy = 0; dy < 16; ++dy) {
      for (int dx = 0; dx < 16; ++dx) {
        const std::uint8_t* glyph = PixelOf(FontSheet, cellX + dx, cellY + dy);
        const std::uint8_t* drawn = PixelOf(Scratch(), x + dx, y + dy);
        const std::uint8_t black[3] = {0, 0, 0};
        const bool skipped = type == QelDrawTrans && IsWhite(glyph);
        if (!SamePixel(drawn, skipped ? black : glyph)) return false;
      }
    }
    return true;
  }

  static bool AllBlack(int x0, int y0, int w, int h) {
    for (int y = y0; y < y0 + h; ++y) {
      for (int x = x0; x < x0 + w; ++x) {
        const std::uint8_t* p = PixelOf(Scratch(), x, y);
        if ((p[0] | p[1] | p[2]) != 0) return false;
      }
    }
    return true;
  }
};

TEST_F(GlyphTest, CharactersDrawTheirCellsInEitherMode) {
  for (QelDrawType type : {QelDrawCopy, QelDrawTrans}) {
    Scratch().Clear(0, 0, 0);
    DrawChar(Scratch(), 16, 8, 'K', type);
    DrawChar(Scratch(), 48, 8, '5', type);
    DrawChar(Scratch(), 80, 8, 'a', type);
    DrawChar(Scratch(), 112, 8, static_cast<std::int8_t>(0x80), type);
    EXPECT_TRUE(ShowsCell(16, 8, 16 * ('K' - 'A'), 16, type));
    EXPECT_TRUE(ShowsCell(48, 8, 80, 0, type));
    // The blank cell: a white square with a copy, nothing with the key.
    EXPECT_EQ(AllWhite(Scratch(), 80, 8, 16, 16), type == QelDrawCopy);
    EXPECT_EQ(AllWhite(Scratch(), 112, 8, 16, 16), type == QelDrawCopy);
  }
  EXPECT_TRUE(CharSpriteBuilt());
}

TEST_F(GlyphTest, AStringEndsAtItsLineFeedOrItsEnd) {
  DrawString(Scratch(), 240, 8, "KELVRO\nX", QelDrawTrans);
  const char word[] = "KELVRO";
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(ShowsCell(240 + 16 * i, 8, 16 * (word[i] - 'A'), 16, QelDrawTrans)) << i;
  }
  EXPECT_TRUE(AllBlack(336, 8, 16, 16));  // nothing after the line feed
  DrawString(Scratch(), 0, 32, "\n", QelDrawCopy);
  EXPECT_TRUE(AllBlack(0, 32, 640, 32));
  DrawString(Scratch(), 0, 32, "AB", QelDrawCopy);  // no line feed: ends with the string
  EXPECT_TRUE(ShowsCell(0, 32, 0, 16, QelDrawCopy));
  EXPECT_TRUE(ShowsCell(16, 32, 16, 16, QelDrawCopy));
  EXPECT_TRUE(AllBlack(32, 32, 608, 32));
}

TEST_F(GlyphTest, DigitsOutsideZeroToNineSelectBlankCells) {
  DrawDigit(Scratch(), 0, 0, 3, QelDrawCopy);
  DrawDigit(Scratch(), 16, 0, 12, QelDrawCopy);
  EXPECT_TRUE(ShowsCell(0, 0, 48, 0, QelDrawCopy));
  EXPECT_TRUE(AllWhite(Scratch(), 16, 0, 16, 16));
  EXPECT_TRUE(DigitSpriteBuilt());
}

// The counter's digits, right-aligned in HudImage: the digit cells at x 144,
// 128, ... from the last digit on, white everywhere else.
void ExpectCounterShows(const char* digits) {
  const int count = static_cast<int>(std::strlen(digits));
  const int first = 160 - 16 * count;
  EXPECT_TRUE(AllWhite(HudImage, 0, 0, first, 16));
  for (int i = 0; i < count; ++i) {
    EXPECT_TRUE(
        SameBlock(HudImage, first + 16 * i, 0, FontSheet, 16 * (digits[i] - '0'), 0, 16, 16))
        << "digit " << i;
  }
}

TEST_F(GlyphTest, TheCounterIsRightAlignedAndAWrappedCountGoesOnUnsigned) {
  const struct {
    std::int16_t value;
    const char* shown;
  } cases[] = {
      {0, "0"},          {7, "7"},      {10, "10"},        {32767, "32767"},
      {-32768, "32768"}, {-1, "65535"}, {-27136, "38400"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    DrawHudCounter(c.value, 32, 8);
    ExpectCounterShows(c.shown);
  }
}

TEST_F(GlyphTest, TheCounterLandsKeyedInTheWorldAtTheGivenCorner) {
  WorldImage.Clear(0, 0, 0);
  DrawHudCounter(10, 300, 200);
  EXPECT_EQ(HudSprite.posRect.x, 300);
  EXPECT_EQ(HudSprite.posRect.y, 200);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 160; ++x) {
      const std::uint8_t* hud = PixelOf(HudImage, x, y);
      const std::uint8_t black[3] = {0, 0, 0};
      ASSERT_TRUE(SamePixel(PixelOf(WorldImage, 300 + x, 200 + y), IsWhite(hud) ? black : hud))
          << x << ", " << y;
    }
  }
}

}  // namespace
