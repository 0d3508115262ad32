#include "art/tile_sheet_parts.h"
#include "raster/mask.h"

namespace assetgen {

namespace {

constexpr int kFigureWidth = 32;
constexpr int kFigureHeight = 64;

struct ClimberColours {
  Rgb outline{28, 22, 40};
  Rgb skin{250, 205, 165};
  Rgb skin_shade{218, 152, 118};
  Rgb hair{112, 60, 30};
  Rgb hair_light{158, 96, 48};
  Rgb shirt{226, 62, 52};
  Rgb shirt_shade{164, 36, 42};
  Rgb shirt_light{250, 124, 96};
  Rgb trousers{52, 86, 178};
  Rgb trousers_shade{33, 56, 126};
  Rgb belt{246, 206, 72};
  Rgb shoe{122, 66, 34};
};

// The arm behind the body is drawn first and darker; the hands meet on the
// rope at the figure's top centre, where the hook's line starts.
void draw_arms(Canvas& c, const ClimberColours& k) {
  c.draw_line({13.5, 26}, {13, 15}, 4.5, k.shirt_shade);
  c.draw_line({13, 15}, {15.5, 6}, 4, k.skin_shade);
  c.draw_line({17.5, 26}, {18.5, 16}, 4.5, k.shirt);
  c.draw_line({18.5, 16}, {16.5, 9}, 4, k.skin);
  c.fill_circle(15.8, 4.2, 2.7, k.skin_shade);
  c.fill_circle(16.6, 8.6, 2.8, k.skin);
}

void draw_head(Canvas& c, const ClimberColours& k) {
  c.fill_circle(20, 19.5, 5.6, k.skin);
  c.fill_rect(25, 19, 1, 2, k.skin);  // nose
  c.fill_ellipse(18.6, 15.6, 5.6, 3.4, k.hair);
  c.fill_ellipse(15.6, 19, 2.6, 4.2, k.hair);
  c.fill_rect(17, 13, 4, 1, k.hair_light);
  c.fill_rect(22, 18, 1, 2, k.outline);  // eye
  c.fill_rect(22, 23, 2, 1, k.skin_shade);
  c.fill_rect(18, 24, 4, 1, k.skin_shade);  // chin shadow
}

void draw_body(Canvas& c, const ClimberColours& k) {
  const Point torso[] = {{11.5, 25}, {22, 25}, {23, 31}, {22, 42}, {12, 42}, {11, 31}};
  c.fill_polygon(torso, k.shirt);
  const Point back[] = {{11.5, 25}, {14, 25}, {13.5, 42}, {12, 42}, {11, 31}};
  c.fill_polygon(back, k.shirt_shade);
  c.fill_rect(19, 27, 2, 9, k.shirt_light);
  c.fill_rect(12, 40, 10, 2, k.belt);
}

// Knees drawn up a little in front, as if the climber is about to swing.
void draw_legs(Canvas& c, const ClimberColours& k) {
  c.draw_line({14, 44}, {18, 52}, 5.5, k.trousers_shade);
  c.draw_line({18, 52}, {14.5, 59}, 5, k.trousers_shade);
  c.fill_ellipse(16, 60.5, 3.6, 2.3, k.shoe);
  c.draw_line({17, 44}, {22, 51}, 6, k.trousers);
  c.draw_line({22, 51}, {18.5, 58.5}, 5.2, k.trousers);
  c.fill_ellipse(20.5, 60.2, 4.2, 2.4, k.shoe);
}

// A one-pixel dark rim around everything drawn, so the figure stands out
// from the wall behind it.
void outline_figure(Canvas& c, Rgb outline) {
  Mask body(kFigureWidth, kFigureHeight);
  for (int y = 0; y < kFigureHeight; ++y)
    for (int x = 0; x < kFigureWidth; ++x)
      body.set(x, y, c.at(x, y) != kWhite);
  const Mask rim = body.grown(1);
  for (int y = 0; y < kFigureHeight; ++y)
    for (int x = 0; x < kFigureWidth; ++x)
      if (rim.at(x + 1, y + 1) && !body.at(x, y)) c.set(x, y, outline);
}

}  // namespace

Canvas draw_climber_facing_right() {
  Canvas figure(kFigureWidth, kFigureHeight);
  const ClimberColours colours;
  draw_arms(figure, colours);
  draw_legs(figure, colours);
  draw_body(figure, colours);
  draw_head(figure, colours);
  outline_figure(figure, colours.outline);
  return figure;
}

}  // namespace assetgen
