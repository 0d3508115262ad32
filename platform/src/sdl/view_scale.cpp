#include "sdl/view_scale.h"

#include <algorithm>

namespace platform::detail {

int whole_scale(BitmapSize space, BitmapSize client) {
  if (client.width <= 0 || client.height <= 0) return 1;
  return std::max(1, std::min(space.width / client.width, space.height / client.height));
}

ViewRect view_rect(BitmapSize output, BitmapSize client) {
  const int scale = whole_scale(output, client);
  ViewRect rect;
  rect.width = client.width * scale;
  rect.height = client.height * scale;
  rect.x = (output.width - rect.width) / 2;
  rect.y = (output.height - rect.height) / 2;
  return rect;
}

}  // namespace platform::detail
