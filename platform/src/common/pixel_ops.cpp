#include "common/pixel_ops.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace platform::detail {
namespace {

// Coordinates are widened before any sum, so that no int rectangle overflows.
using Index = std::int64_t;

// The half-open interval first <= k < end.
struct Range {
  Index first = 0;
  Index end = 0;

  bool empty() const { return first >= end; }
  Index count() const { return end - first; }
};

Range intersect(Range a, Range b) {
  return {std::max(a.first, b.first), std::min(a.end, b.end)};
}

// The offsets 0 <= k < length for which origin + k lies on a surface side of `size`.
Range inside(Index origin, Index length, Index size) {
  return intersect({0, length}, {-origin, size - origin});
}

bool has_pixels(const SurfaceView& view) {
  return view.bits != nullptr && view.width > 0 && view.height > 0;
}

// Pixel (x, y), y from the top, of a surface whose rows are stored bottom-up.
std::uint8_t* pixel_address(const SurfaceView& view, Index x, Index y) {
  const auto row = static_cast<std::size_t>(view.height - 1 - y);
  return view.bits + (row * static_cast<std::size_t>(view.width) + static_cast<std::size_t>(x)) * 3;
}

void put_pixel(std::uint8_t* pixel, Colour colour) {
  pixel[0] = blue_of(colour);
  pixel[1] = green_of(colour);
  pixel[2] = red_of(colour);
}

void copy_pixel(std::uint8_t* to, const std::uint8_t* from) {
  to[0] = from[0];
  to[1] = from[1];
  to[2] = from[2];
}

// Rows `top` to `bottom` (inclusive) of a surface, copied out: the view has
// the surface's width and bottom - top + 1 rows.
SurfaceView copy_rows(const SurfaceView& view, Index top, Index bottom,
                      std::vector<std::uint8_t>& store) {
  const auto row_bytes = static_cast<std::size_t>(view.width) * 3;
  const auto rows = static_cast<std::size_t>(bottom - top + 1);
  // Bottom-up storage puts row `bottom` first, so the rows are one contiguous run.
  const std::uint8_t* first = pixel_address(view, 0, bottom);
  store.assign(first, first + rows * row_bytes);
  return {store.data(), view.width, static_cast<int>(rows)};
}

// The source column of every destination column in `columns`; -1 where it
// falls outside the source.
std::vector<Index> source_columns(Range columns, Index width, Index source_x, Index source_width,
                                  Index source_size) {
  std::vector<Index> map;
  map.reserve(static_cast<std::size_t>(columns.count()));
  for (Index j = columns.first; j < columns.end; ++j) {
    const Index column = source_x + j * source_width / width;
    map.push_back(column >= 0 && column < source_size ? column : -1);
  }
  return map;
}

// Pixel k of a line of `steps` steps moves `minor` pixels across in all:
// its offset across is k * minor / steps rounded half up. k and minor are
// below 2^32, so the product fits 64 unsigned bits.
Index line_offset(Index k, Index minor, Index steps) {
  const auto product = static_cast<std::uint64_t>(k) * static_cast<std::uint64_t>(minor);
  const auto quotient = product / static_cast<std::uint64_t>(steps);
  const auto remainder = product % static_cast<std::uint64_t>(steps);
  return static_cast<Index>(quotient) +
         (2 * remainder >= static_cast<std::uint64_t>(steps) ? 1 : 0);
}

// The steps 0 <= k < steps for which start + direction * k lies on a side of `size`.
Range steps_inside(Index start, Index direction, Index steps, Index size) {
  if (direction > 0) return intersect({0, steps}, {-start, size - start});
  return intersect({0, steps}, {start - size + 1, start + 1});
}

}  // namespace

bool copy_pixels(const SurfaceView& destination, int x, int y, int width, int height,
                 const SurfaceView& source, int source_x, int source_y) {
  if (!has_pixels(destination) || !has_pixels(source)) return false;
  const Range columns =
      intersect(inside(x, width, destination.width), inside(source_x, width, source.width));
  const Range rows =
      intersect(inside(y, height, destination.height), inside(source_y, height, source.height));
  if (columns.empty() || rows.empty()) return false;

  // Within one surface two different rows never share bytes, so overlap only
  // decides the order of rows: when the destination lies lower, start from
  // the bottom so that no source row is overwritten before it is read.
  const bool same_surface = destination.bits == source.bits;
  const bool bottom_first = same_surface && y > source_y;
  const auto row_bytes = static_cast<std::size_t>(columns.count()) * 3;
  for (Index n = 0; n < rows.count(); ++n) {
    const Index i = bottom_first ? rows.end - 1 - n : rows.first + n;
    std::uint8_t* to = pixel_address(destination, Index{x} + columns.first, Index{y} + i);
    const std::uint8_t* from =
        pixel_address(source, Index{source_x} + columns.first, Index{source_y} + i);
    if (same_surface) {
      std::memmove(to, from, row_bytes);
    } else {
      std::memcpy(to, from, row_bytes);
    }
  }
  return true;
}

bool stretch_pixels(const SurfaceView& destination, int x, int y, int width, int height,
                    const SurfaceView& source, int source_x, int source_y, int source_width,
                    int source_height) {
  if (width <= 0 || height <= 0 || source_width <= 0 || source_height <= 0) return false;
  if (width == source_width && height == source_height) {
    return copy_pixels(destination, x, y, width, height, source, source_x, source_y);
  }
  if (!has_pixels(destination) || !has_pixels(source)) return false;
  const Range columns = inside(x, width, destination.width);
  const Range rows = inside(y, height, destination.height);
  if (columns.empty() || rows.empty()) return false;

  auto source_row = [&](Index i) { return Index{source_y} + i * source_height / height; };
  // Source rows grow with destination rows, so the first and last bound them all.
  const Index top = std::max<Index>(source_row(rows.first), 0);
  const Index bottom = std::min<Index>(source_row(rows.end - 1), source.height - 1);
  if (top > bottom) return false;

  // Drawing within one surface reads from a copy of the rows it needs, so
  // that the result is the same as through a temporary.
  SurfaceView from = source;
  Index row_origin = 0;
  std::vector<std::uint8_t> store;
  if (destination.bits == source.bits) {
    from = copy_rows(source, top, bottom, store);
    row_origin = top;
  }

  const std::vector<Index> map =
      source_columns(columns, width, source_x, source_width, source.width);
  bool written = false;
  for (Index i = rows.first; i < rows.end; ++i) {
    const Index row = source_row(i);
    if (row < top || row > bottom) continue;
    for (Index j = columns.first; j < columns.end; ++j) {
      const Index column = map[static_cast<std::size_t>(j - columns.first)];
      if (column < 0) continue;
      copy_pixel(pixel_address(destination, Index{x} + j, Index{y} + i),
                 pixel_address(from, column, row - row_origin));
      written = true;
    }
  }
  return written;
}

bool fill_pixels(const SurfaceView& destination, int left, int top, int right, int bottom,
                 Colour colour) {
  if (!has_pixels(destination)) return false;
  const Range columns = intersect({left, right}, {0, destination.width});
  const Range rows = intersect({top, bottom}, {0, destination.height});
  if (columns.empty() || rows.empty()) return false;

  std::uint8_t* first = pixel_address(destination, columns.first, rows.first);
  for (Index j = 0; j < columns.count(); ++j) {
    put_pixel(first + j * 3, colour);
  }
  const auto row_bytes = static_cast<std::size_t>(columns.count()) * 3;
  for (Index i = rows.first + 1; i < rows.end; ++i) {
    std::memcpy(pixel_address(destination, columns.first, i), first, row_bytes);
  }
  return true;
}

bool line_pixels(const SurfaceView& destination, int x0, int y0, int x1, int y1, Colour colour) {
  if (!has_pixels(destination)) return false;
  const Index dx = Index{x1} - x0;
  const Index dy = Index{y1} - y0;
  // The line steps one pixel at a time along its longer axis; the end point
  // itself is not drawn, so a line of no length draws nothing.
  const bool along_x = std::abs(dx) >= std::abs(dy);
  const Index steps = along_x ? std::abs(dx) : std::abs(dy);
  if (steps == 0) return false;
  const Index major_start = along_x ? x0 : y0;
  const Index minor_start = along_x ? y0 : x0;
  const Index major_direction = (along_x ? dx : dy) > 0 ? 1 : -1;
  const Index minor_delta = along_x ? dy : dx;
  const Index minor_direction = minor_delta >= 0 ? 1 : -1;
  const Index major_size = along_x ? destination.width : destination.height;
  const Index minor_size = along_x ? destination.height : destination.width;

  // Only the steps that land inside the surface along the longer axis are
  // visited, so a line across the whole int range costs no more than one
  // across the surface.
  const Range visible = steps_inside(major_start, major_direction, steps, major_size);
  bool written = false;
  for (Index k = visible.first; k < visible.end; ++k) {
    const Index major = major_start + major_direction * k;
    const Index minor =
        minor_start + minor_direction * line_offset(k, std::abs(minor_delta), steps);
    if (minor < 0 || minor >= minor_size) continue;
    put_pixel(along_x ? pixel_address(destination, major, minor)
                      : pixel_address(destination, minor, major),
              colour);
    written = true;
  }
  return written;
}

}  // namespace platform::detail
