#include "raster/shaded_shape.h"

namespace assetgen {

namespace {

void paint_silhouette(Canvas& canvas, const Mask& mask, int x, int y, Rgb colour) {
  for (int row = 0; row < mask.height(); ++row)
    for (int column = 0; column < mask.width(); ++column)
      if (mask.at(column, row)) canvas.set(x + column, y + row, colour);
}

Rgb body_colour(const Mask& body, int column, int row, const ShapePaint& paint) {
  const double t = body.height() > 1 ? static_cast<double>(row) / (body.height() - 1) : 0.0;
  const Rgb base = paint.fill.at(t);
  if (paint.bevel <= 0) return base;
  const int b = paint.bevel;
  const bool lit = body.depth_towards(column, row, 0, -1, b) < b ||
                   body.depth_towards(column, row, -1, 0, b) < b;
  const bool shaded =
      body.depth_towards(column, row, 0, 1, b) < b || body.depth_towards(column, row, 1, 0, b) < b;
  if (shaded) return mix(base, paint.shade, paint.shade_weight);
  if (lit) return mix(base, paint.highlight, paint.highlight_weight);
  return base;
}

}  // namespace

int painted_margin_before(const ShapePaint& paint) {
  return paint.outline_width;
}

int painted_margin_after(const ShapePaint& paint) {
  return paint.outline_width + (paint.drop_shadow ? paint.shadow_offset : 0);
}

void paint_shaded_shape(Canvas& canvas, const Mask& body, int x, int y, const ShapePaint& paint) {
  const int w = paint.outline_width;
  const Mask outline = body.grown(w);
  if (paint.drop_shadow)
    paint_silhouette(canvas, outline, x - w + paint.shadow_offset, y - w + paint.shadow_offset,
                     *paint.drop_shadow);
  paint_silhouette(canvas, outline, x - w, y - w, paint.outline);
  for (int row = 0; row < body.height(); ++row)
    for (int column = 0; column < body.width(); ++column)
      if (body.at(column, row))
        canvas.set(x + column, y + row, visible(body_colour(body, column, row, paint)));
}

void paint_centred(Canvas& canvas, const Mask& body, const ShapePaint& paint) {
  const int before = painted_margin_before(paint);
  const int after = painted_margin_after(paint);
  const int x = (canvas.width() - (body.width() + before + after)) / 2 + before;
  const int y = (canvas.height() - (body.height() + before + after)) / 2 + before;
  paint_shaded_shape(canvas, body, x, y, paint);
}

}  // namespace assetgen
