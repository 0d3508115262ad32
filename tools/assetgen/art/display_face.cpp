#include "art/display_face.h"

#include <cstdio>
#include <cstdlib>
#include <map>

#include "core/exact_math.h"

namespace assetgen {

namespace {

// Points along part of an ellipse; angles in turns of pi, 0 at the right,
// 0.5 at the bottom (y runs down).
Stroke arc(double cx, double cy, double rx, double ry, double from, double to) {
  constexpr int kPieces = 32;
  Stroke points;
  for (int i = 0; i <= kPieces; ++i) {
    const double angle = kPi * (from + (to - from) * i / kPieces);
    points.push_back({cx + rx * exact_cos(angle), cy + ry * exact_sin(angle)});
  }
  return points;
}

Stroke joined(Stroke first, const Stroke& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

std::map<char, StrokeGlyph> build_face() {
  std::map<char, StrokeGlyph> face;
  face['A'] = {6.8, {{{0, 10}, {3.4, 0}, {6.8, 10}}, {{1.4, 6.6}, {5.4, 6.6}}}};
  face['C'] = {6.4, {arc(3.7, 5, 3.7, 5, 0.23, 1.77)}};
  face['E'] = {5.2, {{{5.2, 0}, {0, 0}, {0, 10}, {5.2, 10}}, {{0, 5}, {4.2, 5}}}};
  face['K'] = {5.8, {{{0, 0}, {0, 10}}, {{5.6, 0}, {0.6, 5.6}}, {{2.3, 3.9}, {5.8, 10}}}};
  face['L'] = {4.8, {{{0, 0}, {0, 10}, {4.8, 10}}}, 1.6};
  face['M'] = {8, {{{0, 10}, {0, 0}, {4, 6.4}, {8, 0}, {8, 10}}}};
  face['O'] = {7, {arc(3.5, 5, 3.5, 5, 0, 2)}};
  face['Q'] = {7, {arc(3.5, 5, 3.5, 5, 0, 2), {{4.3, 6.8}, {7.2, 10.2}}}};
  face['R'] = {5.8,
               {joined({{0, 10}, {0, 0}, {2.9, 0}},
                       joined(arc(2.9, 2.75, 2.75, 2.75, -0.5, 0.5), {{0, 5.5}})),
                {{2.6, 5.5}, {5.8, 10}}}};
  face['V'] = {6.8, {{{0, 0}, {3.4, 10}, {6.8, 0}}}};
  face['!'] = {0, {{{0, 0}, {0, 6.4}}, {{0, 9.8}}}};
  // G: the bowl from the upper right round to the right side, then the bar inwards.
  face['G'] = {6.8,
               {joined(arc(3.6, 5, 3.6, 5, 1.8, 1.0), arc(3.6, 5, 3.6, 5, 1.0, 0.0)),
                {{7.2, 5.3}, {4.0, 5.3}}}};
  return face;
}

}  // namespace

const StrokeGlyph& display_glyph(char c) {
  static const std::map<char, StrokeGlyph> face = build_face();
  const auto found = face.find(c);
  if (found == face.end()) {
    std::fprintf(stderr, "kelvro-assetgen: the display face has no '%c'\n", c);
    std::abort();
  }
  return found->second;
}

}  // namespace assetgen
