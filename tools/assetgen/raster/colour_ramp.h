#pragma once

#include <initializer_list>
#include <vector>

#include "raster/colour.h"

namespace assetgen {

// Colours along a line from t = 0 to t = 1, straight between the stops. A ramp
// with `levels` set returns only that many distinct colours, so that shading
// fits a small palette.
class ColourRamp {
 public:
  struct Stop {
    double t;
    Rgb colour;
  };

  ColourRamp(std::initializer_list<Stop> stops, int levels = 0);

  Rgb at(double t) const;

 private:
  std::vector<Stop> stops_;
  int levels_;
};

}  // namespace assetgen
