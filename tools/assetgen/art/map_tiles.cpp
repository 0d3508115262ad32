#include <vector>

#include "art/bevel_frame.h"
#include "art/tile_sheet_parts.h"
#include "core/exact_math.h"

namespace assetgen {

namespace {

// One square of the open background's chequer: a flat face with a lighter
// top-left rim and a darker bottom-right rim, so the wall reads as tiles.
struct ChequerSquare {
  Rgb face;
  Rgb lit;
  Rgb dark;
};

constexpr ChequerSquare kNightBlue{{30, 38, 98}, {46, 56, 128}, {20, 25, 70}};
constexpr ChequerSquare kMaroon{{86, 26, 50}, {112, 38, 66}, {60, 16, 34}};

void draw_chequer_square(Canvas& sheet, int x, int y, int size, const ChequerSquare& square,
                         int brightness_percent) {
  for (int row = 0; row < size; ++row) {
    for (int column = 0; column < size; ++column) {
      Rgb colour = square.face;
      if (row == size - 1 || column == size - 1)
        colour = square.dark;
      else if (row == 0 || column == 0)
        colour = square.lit;
      sheet.set(x + column, y + row, scaled(colour, brightness_percent));
    }
  }
}

void draw_open_chequer(Canvas& sheet, int x, int y, int brightness_percent) {
  const int half = kTile / 2;
  for (int row = 0; row < 2; ++row)
    for (int column = 0; column < 2; ++column)
      draw_chequer_square(sheet, x + column * half, y + row * half, half,
                          (row + column) % 2 == 0 ? kNightBlue : kMaroon, brightness_percent);
}

std::vector<Point> star_corners(double cx, double cy, double outer, double inner) {
  std::vector<Point> corners;
  for (int i = 0; i < 10; ++i) {
    const double angle = -kPi / 2 + i * kPi / 5;
    const double radius = i % 2 == 0 ? outer : inner;
    corners.push_back({cx + radius * exact_cos(angle), cy + radius * exact_sin(angle)});
  }
  return corners;
}

}  // namespace

void draw_solid_tile(Canvas& sheet, int x, int y) {
  const BevelFrame frame{
      .lit = {{{215, 236, 255}, {178, 215, 252}, {150, 196, 245}, {84, 134, 204}}},
      .shadowed = {{{28, 58, 118}, {52, 96, 170}, {74, 122, 196}, {84, 134, 204}}},
  };
  draw_bevel_frame(sheet, x, y, kTile, frame);
  // A pale chequer of six-pixel squares on the block's face.
  constexpr int kFaceStart = 4;
  constexpr int kSquare = 6;
  for (int row = 0; row < 24; ++row)
    for (int column = 0; column < 24; ++column)
      sheet.set(
          x + kFaceStart + column, y + kFaceStart + row,
          (row / kSquare + column / kSquare) % 2 == 0 ? Rgb{230, 238, 251} : Rgb{202, 216, 241});
}

void draw_open_tile(Canvas& sheet, int x, int y) {
  draw_open_chequer(sheet, x, y, 100);
}

void draw_shadowed_open_tile(Canvas& sheet, int x, int y) {
  draw_open_chequer(sheet, x, y, 50);
}

void draw_goal_tile(Canvas& sheet, int x, int y) {
  const BevelFrame frame{
      .lit = {{{255, 252, 205}, {255, 242, 135}, {255, 230, 85}, {214, 150, 0}}},
      .shadowed = {{{150, 88, 0}, {200, 128, 0}, {232, 166, 12}, {214, 150, 0}}},
  };
  sheet.fill_rect(x, y, kTile, kTile, {255, 214, 32});
  draw_bevel_frame(sheet, x, y, kTile, frame);
  const double cx = x + 16.0;
  const double cy = y + 16.5;
  sheet.fill_polygon(star_corners(cx, cy, 10.5, 4.8), {206, 120, 0});
  sheet.fill_polygon(star_corners(cx, cy, 8.5, 3.6), {255, 246, 168});
}

void draw_hook_ball(Canvas& sheet, int x, int y) {
  // A steel ball lit from the upper left, ringed dark so it shows on the
  // pale blocks as well as on the dark wall.
  const double cx = x + 8.0;
  const double cy = y + 8.0;
  sheet.fill_circle(cx, cy, 7.9, {30, 32, 50});
  sheet.fill_circle(cx, cy, 6.9, {104, 114, 142});
  sheet.fill_circle(cx - 0.9, cy - 0.9, 5.6, {156, 168, 196});
  sheet.fill_circle(cx - 1.6, cy - 1.6, 3.8, {206, 214, 234});
  sheet.fill_circle(cx - 2.6, cy - 2.6, 1.6, kNearWhite);
}

}  // namespace assetgen
