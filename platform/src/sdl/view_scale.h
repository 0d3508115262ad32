#pragma once

// How the client area is put on the desktop: enlarged by a whole number, so
// every pixel becomes a square block of equal pixels.

#include "platform/bitmap.h"

namespace platform::detail {

struct ViewRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The largest whole-number scale at which `client` fits into `space`; 1 when
// even the client area's own size does not fit.
int whole_scale(BitmapSize space, BitmapSize client);

// Where the client area goes in a window of `output` pixels: at the largest
// whole-number scale that fits, centred.
ViewRect view_rect(BitmapSize output, BitmapSize client);

}  // namespace platform::detail
