#include "art/text_styles.h"

namespace assetgen {

ShapePaint pink_red_digits(int outline, int bevel) {
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {255, 170, 190}}, {0.45, {245, 80, 115}}, {1.0, {190, 30, 75}}}),
      .outline = {95, 10, 40},
      .outline_width = outline,
      .bevel = bevel,
  };
  paint.highlight_weight = 90;
  paint.shade = {90, 0, 30};
  paint.shade_weight = 70;
  return paint;
}

ShapePaint blue_letters(int outline, int bevel) {
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {175, 215, 255}}, {0.45, {75, 135, 240}}, {1.0, {30, 60, 185}}}),
      .outline = {10, 22, 80},
      .outline_width = outline,
      .bevel = bevel,
  };
  paint.highlight_weight = 90;
  paint.shade = {5, 10, 60};
  paint.shade_weight = 70;
  return paint;
}

ShapePaint grey_metal(int outline, int bevel) {
  // A chrome look: bright sky above a dark horizon line, ground below.
  ShapePaint paint{
      .fill = ColourRamp({{0.0, {238, 240, 245}},
                          {0.46, {160, 164, 176}},
                          {0.5, {92, 95, 106}},
                          {0.56, {205, 208, 216}},
                          {1.0, {120, 123, 134}}}),
      .outline = {36, 38, 48},
      .outline_width = outline,
      .bevel = bevel,
  };
  paint.highlight_weight = 110;
  paint.shade = {20, 20, 30};
  paint.shade_weight = 80;
  return paint;
}

}  // namespace assetgen
