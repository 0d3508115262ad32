#pragma once

#include <span>
#include <vector>

#include "raster/colour.h"

namespace assetgen {

struct Point {
  double x = 0;
  double y = 0;
};

// A top-down RGB picture with clipped drawing. Coordinates are pixels, y down;
// a pixel is covered by a shape when its centre (x + 0.5, y + 0.5) lies inside.
class Canvas {
 public:
  Canvas(int width, int height, Rgb background = kWhite);

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  Rgb at(int x, int y) const { return pixels_[index(x, y)]; }
  void set(int x, int y, Rgb colour);  // ignores pixels outside the canvas

  void fill_rect(int x, int y, int w, int h, Rgb colour);
  void fill_ellipse(double cx, double cy, double rx, double ry, Rgb colour);
  void fill_circle(double cx, double cy, double r, Rgb colour) {
    fill_ellipse(cx, cy, r, r, colour);
  }
  void fill_polygon(std::span<const Point> corners, Rgb colour);
  // A stroke of the given width with round ends.
  void draw_line(Point from, Point to, double width, Rgb colour);

  // Copies a w x h block of `source` at (sx, sy) to (dx, dy) of this canvas.
  void paste(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy);
  // The same, mirrored left to right.
  void paste_mirrored(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy);

 private:
  std::size_t index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
           static_cast<std::size_t>(x);
  }

  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace assetgen
