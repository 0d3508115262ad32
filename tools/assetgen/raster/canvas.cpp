#include "raster/canvas.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

namespace {

// Squared distance from p to the segment a-b.
double distance_to_segment_squared(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double length_squared = dx * dx + dy * dy;
  double t = 0;
  if (length_squared > 0)
    t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length_squared, 0.0, 1.0);
  const double ex = p.x - (a.x + t * dx);
  const double ey = p.y - (a.y + t * dy);
  return ex * ex + ey * ey;
}

}  // namespace

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width * height), background) {}

void Canvas::set(int x, int y, Rgb colour) {
  if (contains(x, y)) pixels_[index(x, y)] = colour;
}

void Canvas::fill_rect(int x, int y, int w, int h, Rgb colour) {
  for (int row = y; row < y + h; ++row)
    for (int column = x; column < x + w; ++column)
      set(column, row, colour);
}

void Canvas::fill_ellipse(double cx, double cy, double rx, double ry, Rgb colour) {
  const int top = static_cast<int>(std::floor(cy - ry));
  const int bottom = static_cast<int>(std::ceil(cy + ry));
  const int left = static_cast<int>(std::floor(cx - rx));
  const int right = static_cast<int>(std::ceil(cx + rx));
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const double u = (x + 0.5 - cx) / rx;
      const double v = (y + 0.5 - cy) / ry;
      if (u * u + v * v <= 1.0) set(x, y, colour);
    }
  }
}

void Canvas::fill_polygon(std::span<const Point> corners, Rgb colour) {
  if (corners.size() < 3) return;
  double top = corners[0].y;
  double bottom = corners[0].y;
  for (const Point& p : corners) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  std::vector<double> crossings;
  for (int y = static_cast<int>(std::floor(top)); y <= static_cast<int>(std::ceil(bottom)); ++y) {
    const double sample_y = y + 0.5;
    crossings.clear();
    for (std::size_t i = 0; i < corners.size(); ++i) {
      const Point a = corners[i];
      const Point b = corners[(i + 1) % corners.size()];
      if ((a.y <= sample_y) != (b.y <= sample_y))
        crossings.push_back(a.x + (sample_y - a.y) / (b.y - a.y) * (b.x - a.x));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int from = static_cast<int>(std::ceil(crossings[i] - 0.5));
      const int to = static_cast<int>(std::ceil(crossings[i + 1] - 0.5));
      for (int x = from; x < to; ++x)
        set(x, y, colour);
    }
  }
}

void Canvas::draw_line(Point from, Point to, double width, Rgb colour) {
  const double radius = width / 2;
  const int left = static_cast<int>(std::floor(std::min(from.x, to.x) - radius));
  const int right = static_cast<int>(std::ceil(std::max(from.x, to.x) + radius));
  const int top = static_cast<int>(std::floor(std::min(from.y, to.y) - radius));
  const int bottom = static_cast<int>(std::ceil(std::max(from.y, to.y) + radius));
  for (int y = top; y <= bottom; ++y)
    for (int x = left; x <= right; ++x)
      if (distance_to_segment_squared({x + 0.5, y + 0.5}, from, to) <= radius * radius)
        set(x, y, colour);
}

void Canvas::paste(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      set(dx + x, dy + y, source.at(sx + x, sy + y));
}

void Canvas::paste_mirrored(const Canvas& source, int sx, int sy, int w, int h, int dx, int dy) {
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      set(dx + w - 1 - x, dy + y, source.at(sx + x, sy + y));
}

}  // namespace assetgen
