#include "art/pictures.h"
#include "core/exact_math.h"
#include "raster/strokes.h"

namespace assetgen {

namespace {

constexpr int kFaceWidth = 128;
constexpr int kFaceHeight = 200;
constexpr double kLine = 3.5;
constexpr Rgb kInk = kBlack;

enum class Expression { neutral, eyes_closed, surprised, smiling };

constexpr double kLeftEyeX = 46;
constexpr double kRightEyeX = 82;
constexpr double kEyeY = 100;

// What every face shares: head, ears, hair, nose, neck and collar.
void draw_head(Canvas& c, double x) {
  stroke_ellipse(c, {x + 64, 106}, 44, 60, kLine, kInk);
  stroke_arc(c, {x + 19, 108}, 7, 11, kPi / 2, 3 * kPi / 2, kLine, kInk);
  stroke_arc(c, {x + 109, 108}, 7, 11, -kPi / 2, kPi / 2, kLine, kInk);
  // Hair: a fringe swept to one side.
  stroke_arc(c, {x + 64, 100}, 47, 62, kPi * 1.05, kPi * 1.95, kLine, kInk);
  stroke_arc(c, {x + 80, 52}, 34, 20, kPi * 0.55, kPi * 0.95, kLine, kInk);
  stroke_arc(c, {x + 96, 60}, 22, 16, kPi * 0.6, kPi * 0.95, kLine, kInk);
  c.draw_line({x + 64, 104}, {x + 59, 122}, kLine, kInk);
  c.draw_line({x + 59, 122}, {x + 67, 124}, kLine, kInk);
  c.draw_line({x + 52, 164}, {x + 50, 186}, kLine, kInk);
  c.draw_line({x + 76, 164}, {x + 78, 186}, kLine, kInk);
  stroke_arc(c, {x + 64, 214}, 60, 28, kPi * 1.1, kPi * 1.9, kLine, kInk);
}

void draw_neutral(Canvas& c, double x) {
  c.fill_circle(x + kLeftEyeX, kEyeY, 4.5, kInk);
  c.fill_circle(x + kRightEyeX, kEyeY, 4.5, kInk);
  c.draw_line({x + 37, 87}, {x + 54, 86}, kLine, kInk);
  c.draw_line({x + 74, 86}, {x + 91, 87}, kLine, kInk);
  c.draw_line({x + 52, 141}, {x + 76, 141}, kLine, kInk);
}

void draw_eyes_closed(Canvas& c, double x) {
  stroke_arc(c, {x + kLeftEyeX, kEyeY - 2}, 8, 5, 0.15, kPi - 0.15, kLine, kInk);
  stroke_arc(c, {x + kRightEyeX, kEyeY - 2}, 8, 5, 0.15, kPi - 0.15, kLine, kInk);
  c.draw_line({x + 37, 89}, {x + 54, 89}, kLine, kInk);
  c.draw_line({x + 74, 89}, {x + 91, 89}, kLine, kInk);
  c.draw_line({x + 52, 141}, {x + 76, 141}, kLine, kInk);
}

void draw_surprised(Canvas& c, double x) {
  stroke_ellipse(c, {x + kLeftEyeX, kEyeY}, 8, 9, kLine, kInk);
  stroke_ellipse(c, {x + kRightEyeX, kEyeY}, 8, 9, kLine, kInk);
  c.fill_circle(x + kLeftEyeX, kEyeY + 1, 3, kInk);
  c.fill_circle(x + kRightEyeX, kEyeY + 1, 3, kInk);
  stroke_arc(c, {x + kLeftEyeX, 84}, 10, 6, kPi * 1.1, kPi * 1.9, kLine, kInk);
  stroke_arc(c, {x + kRightEyeX, 84}, 10, 6, kPi * 1.1, kPi * 1.9, kLine, kInk);
  stroke_ellipse(c, {x + 64, 145}, 7, 10, kLine, kInk);
}

void draw_smiling(Canvas& c, double x) {
  stroke_arc(c, {x + kLeftEyeX, kEyeY + 3}, 8, 6, kPi * 1.1, kPi * 1.9, kLine, kInk);
  stroke_arc(c, {x + kRightEyeX, kEyeY + 3}, 8, 6, kPi * 1.1, kPi * 1.9, kLine, kInk);
  c.draw_line({x + 37, 85}, {x + 54, 83}, kLine, kInk);
  c.draw_line({x + 74, 83}, {x + 91, 85}, kLine, kInk);
  stroke_arc(c, {x + 64, 128}, 20, 16, kPi * 0.12, kPi * 0.88, kLine, kInk);
  stroke_arc(c, {x + 40, 124}, 5, 4, kPi * 0.6, kPi * 1.4, 2.5, kInk);
  stroke_arc(c, {x + 88, 124}, 5, 4, -kPi * 0.4, kPi * 0.4, 2.5, kInk);
}

void draw_face(Canvas& c, Expression expression, double x) {
  draw_head(c, x);
  switch (expression) {
    case Expression::neutral:
      draw_neutral(c, x);
      break;
    case Expression::eyes_closed:
      draw_eyes_closed(c, x);
      break;
    case Expression::surprised:
      draw_surprised(c, x);
      break;
    case Expression::smiling:
      draw_smiling(c, x);
      break;
  }
}

}  // namespace

// Face n at x = 128 n: neutral, blinking, surprised, smiling. The splash
// plays them as a blink, a blink, a start and a grin.
Canvas draw_maker_faces() {
  Canvas faces(4 * kFaceWidth, kFaceHeight);
  const Expression order[] = {Expression::neutral, Expression::eyes_closed, Expression::surprised,
                              Expression::smiling};
  for (int n = 0; n < 4; ++n)
    draw_face(faces, order[n], n * kFaceWidth);
  return faces;
}

}  // namespace assetgen
