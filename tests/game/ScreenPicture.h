#pragma once

// Pictures for the screen tests, all in the platform's layout (bitmap.h): the
// window's client area as the simulated desktop holds it, a shot the replay
// tool saved, and the game's own bitmaps straight from its resource table.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "KelvroResources.h"
#include "platform/bmp.h"
#include "platform/colour.h"
#include "platform/sim.h"

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // blue, green, red; rows bottom-up

  bool Empty() const { return width == 0 || height == 0; }

  // Pixel (x, y), y from the top, as 0x00BBGGRR.
  platform::Colour At(int x, int y) const {
    const std::uint8_t* p = &pixels[(static_cast<std::size_t>(height - 1 - y) * width + x) * 3];
    return platform::make_colour(p[2], p[1], p[0]);
  }
};

inline std::optional<Picture> DecodePicture(const std::vector<std::uint8_t>& file) {
  platform::DecodedBitmap decoded;
  if (platform::decode_bmp(file, decoded) != platform::BmpError::none) return std::nullopt;
  return Picture{decoded.width, decoded.height, std::move(decoded.pixels)};
}

// A BMP file, such as a shot of the replay tool; empty when it cannot be read.
inline Picture ReadBmpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  return DecodePicture(file).value_or(Picture{});
}

// One of the bitmaps built into the game ("BMP129", "QELFACE", ...).
inline Picture GameBitmap(std::string_view name) {
  for (const platform::Resource& resource : KelvroResources()) {
    if (resource.type == platform::ResourceType::bitmap && resource.name == name) {
      return DecodePicture({resource.data, resource.data + resource.size}).value_or(Picture{});
    }
  }
  return {};
}

// The client area of the simulated window at this moment.
inline Picture CurrentScreen() {
  const platform::BitmapSize size = platform::sim::screen_size();
  return Picture{size.width, size.height, platform::sim::screen_pixels()};
}
