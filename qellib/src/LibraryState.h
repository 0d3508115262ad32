#pragma once

// The library's one process-wide record. Every operation that needs to
// remember something between calls keeps it here; nothing is locked, as all
// calls come from one thread.

#include <cstdint>

#include "QelLib.h"

struct QelLibraryState {
  platform::DrawContext* screenDC;  // the window's context; Set and Get need it
  platform::Window* window;         // whose program supplies the bitmaps
  std::uint32_t waitMark;           // frame pacing (QelWait)
  std::uint32_t waitNow;
  std::uint32_t waitPrev;
  std::int32_t stickX;  // latest input results
  std::int32_t stickY;
  std::int32_t buttons;
  std::int32_t soundError;  // first failed sound command; sticky
  _QelPS spriteRect;        // the rectangle a sprite is drawing to
};

extern QelLibraryState LibraryState;
