#pragma once

// Comparing parts of a screen with the game's sheets: plain copies, cells
// drawn with white transparent (glyphs, label digits), text read back glyph by
// glyph, tiled backgrounds and blends.

#include <cstdint>
#include <string>
#include <vector>

#include "ScreenPicture.h"

struct Area {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  bool Holds(int px, int py) const {
    return px >= x && px < x + width && py >= y && py < y + height;
  }
};

constexpr platform::Colour kWhitePixel = platform::kWhite;

// Pixels of the w x h block at (x, y) of `screen` that are not those of the
// block at (sx, sy) of `sheet`: 0 for a plain copy.
inline int PixelsNotCopied(const Picture& screen, int x, int y, const Picture& sheet, int sx,
                           int sy, int w, int h) {
  int off = 0;
  for (int dy = 0; dy < h; ++dy) {
    for (int dx = 0; dx < w; ++dx) {
      if (screen.At(x + dx, y + dy) != sheet.At(sx + dx, sy + dy)) ++off;
    }
  }
  return off;
}

// Whether the block shows the sheet's block drawn with white transparent:
// every non-white pixel of the sheet is on the screen. `inked` gets how many
// non-white pixels the sheet's block has.
inline bool ShowsOverlay(const Picture& screen, int x, int y, const Picture& sheet, int sx, int sy,
                         int w, int h, int* inked = nullptr) {
  int ink = 0;
  for (int dy = 0; dy < h; ++dy) {
    for (int dx = 0; dx < w; ++dx) {
      const platform::Colour s = sheet.At(sx + dx, sy + dy);
      if (s == kWhitePixel) continue;
      ++ink;
      if (screen.At(x + dx, y + dy) != s) return false;
    }
  }
  if (inked) *inked = ink;
  return ink > 0;
}

struct SheetCell {
  char name;
  int x;
  int y;
};

// Which of the cells shows at (x, y), or ' ' for none. When one cell's ink is
// part of another's (a glyph inside a larger one), the one with more ink wins.
inline char CellShownAt(const Picture& screen, int x, int y, const Picture& sheet,
                        const std::vector<SheetCell>& cells, int size) {
  char best = ' ';
  int bestInk = 0;
  for (const SheetCell& cell : cells) {
    int ink = 0;
    if (ShowsOverlay(screen, x, y, sheet, cell.x, cell.y, size, size, &ink) && ink > bestInk) {
      best = cell.name;
      bestInk = ink;
    }
  }
  return best;
}

// --- The font ----------------------------------------------------------------

constexpr int kGlyph = 16;

inline const Picture& FontSheetPicture() {
  static const Picture sheet = GameBitmap("BMP129");
  return sheet;
}

// Digit d at x 16d of row 0, letter L at x 16 (L - 'A') of row 1.
inline const std::vector<SheetCell>& FontCells() {
  static const std::vector<SheetCell> cells = [] {
    std::vector<SheetCell> all;
    for (int d = 0; d < 10; ++d)
      all.push_back({static_cast<char>('0' + d), kGlyph * d, 0});
    for (int l = 0; l < 26; ++l)
      all.push_back({static_cast<char>('A' + l), kGlyph * l, kGlyph});
    return all;
  }();
  return cells;
}

// The text in `cells` glyph cells from (x, y) to the right, ' ' for a cell
// without a glyph.
inline std::string ReadText(const Picture& screen, int x, int y, int cells) {
  std::string text;
  for (int c = 0; c < cells; ++c) {
    text += CellShownAt(screen, x + kGlyph * c, y, FontSheetPicture(), FontCells(), kGlyph);
  }
  return text;
}

// `text` right-aligned in a row of `cells` glyph cells.
inline std::string RightAligned(const std::string& text, int cells) {
  return std::string(static_cast<std::size_t>(cells) - text.size(), ' ') + text;
}

// --- The start card's label --------------------------------------------------

// StageLabelImage ("BMP131"): the word STAGE in x 0 to 223 of its top half,
// the large digit d at x 32d of its bottom half.
constexpr int kLabelDigit = 32;

inline const Picture& LabelSheetPicture() {
  static const Picture sheet = GameBitmap("BMP131");
  return sheet;
}

// The large digit shown at (x, y), or ' '.
inline char LabelDigitAt(const Picture& screen, int x, int y) {
  std::vector<SheetCell> digits;
  for (int d = 0; d < 10; ++d)
    digits.push_back({static_cast<char>('0' + d), kLabelDigit * d, 32});
  return CellShownAt(screen, x, y, LabelSheetPicture(), digits, kLabelDigit);
}

// --- Backgrounds -------------------------------------------------------------

constexpr int kTile = 32;

// Pixels of `area` that do not show the 32 x 32 tile at (tx, ty) of `sheet`
// repeated from the screen's top-left corner and scrolled up by `scroll`
// pixels; pixels inside one of `skipped` are not looked at.
inline int PixelsOffTiles(const Picture& screen, const Area& area, const Picture& sheet, int tx,
                          int ty, int scroll, const std::vector<Area>& skipped = {}) {
  int off = 0;
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      bool skip = false;
      for (const Area& s : skipped)
        skip = skip || s.Holds(x, y);
      if (skip) continue;
      if (screen.At(x, y) != sheet.At(tx + x % kTile, ty + (y + scroll) % kTile)) ++off;
    }
  }
  return off;
}

// --- Blends ------------------------------------------------------------------

// A blend of weight w out of 512, channel by channel: (w s >> 9) + (d (512 - w) >> 9).
inline platform::Colour Blended(platform::Colour s, platform::Colour d, int weight) {
  auto channel = [weight](std::uint8_t sc, std::uint8_t dc) {
    return static_cast<std::uint8_t>(((weight * sc) >> 9) + ((dc * (512 - weight)) >> 9));
  };
  return platform::make_colour(channel(platform::red_of(s), platform::red_of(d)),
                               channel(platform::green_of(s), platform::green_of(d)),
                               channel(platform::blue_of(s), platform::blue_of(d)));
}
