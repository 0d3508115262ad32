#include "raster/colour_ramp.h"

#include <algorithm>
#include <cmath>

namespace assetgen {

ColourRamp::ColourRamp(std::initializer_list<Stop> stops, int levels)
    : stops_(stops), levels_(levels) {}

Rgb ColourRamp::at(double t) const {
  t = std::clamp(t, 0.0, 1.0);
  if (levels_ > 1) t = std::floor(t * (levels_ - 1) + 0.5) / (levels_ - 1);
  if (t <= stops_.front().t) return stops_.front().colour;
  for (std::size_t i = 1; i < stops_.size(); ++i) {
    if (t <= stops_[i].t) {
      const Stop& a = stops_[i - 1];
      const Stop& b = stops_[i];
      const double span = b.t - a.t;
      const int weight =
          span <= 0 ? 256 : static_cast<int>(std::floor((t - a.t) / span * 256 + 0.5));
      return mix(a.colour, b.colour, weight);
    }
  }
  return stops_.back().colour;
}

}  // namespace assetgen
