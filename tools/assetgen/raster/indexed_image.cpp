#include "raster/indexed_image.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace assetgen {

namespace {

int find_or_add(std::vector<Rgb>& palette, Rgb colour) {
  const auto found = std::find(palette.begin(), palette.end(), colour);
  if (found != palette.end()) return static_cast<int>(found - palette.begin());
  palette.push_back(colour);
  return static_cast<int>(palette.size()) - 1;
}

// Unused entries get distinct dark greys that the artwork does not use, so
// that the palette never names a colour twice.
void pad_palette(std::vector<Rgb>& palette, int palette_size) {
  for (int level = 1; static_cast<int>(palette.size()) < palette_size; ++level) {
    const auto grey = static_cast<std::uint8_t>(level % 256);
    const Rgb filler{grey, grey, static_cast<std::uint8_t>((grey + 1) % 256)};
    if (std::find(palette.begin(), palette.end(), filler) == palette.end())
      palette.push_back(filler);
  }
}

}  // namespace

IndexedImage index_colours(const Canvas& canvas, int palette_size) {
  IndexedImage image;
  image.width = canvas.width();
  image.height = canvas.height();
  image.indices.reserve(static_cast<std::size_t>(image.width * image.height));
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int index = find_or_add(image.palette, canvas.at(x, y));
      if (index >= palette_size) {
        std::fprintf(stderr, "kelvro-assetgen: a %dx%d picture uses more than %d colours\n",
                     image.width, image.height, palette_size);
        std::abort();
      }
      image.indices.push_back(static_cast<std::uint8_t>(index));
    }
  }
  pad_palette(image.palette, palette_size);
  return image;
}

}  // namespace assetgen
