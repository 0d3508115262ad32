// Frame pacing on the platform's 32-bit millisecond ticks. All arithmetic
// is unsigned, so it stays right across the counter's wrap.

#include "LibraryState.h"
#include "QelLib.h"
#include "platform/clock.h"

void QelWaitInit() {
  LibraryState.waitMark = platform::tick_count();
  LibraryState.waitNow = 0;
  LibraryState.waitPrev = 0;
}

unsigned int QelWait(unsigned int frameTime) {
  LibraryState.waitPrev = LibraryState.waitMark;
  LibraryState.waitNow = platform::tick_count();
  const std::uint32_t elapsed = LibraryState.waitNow - LibraryState.waitMark;
  if (frameTime > elapsed) platform::sleep_ms(frameTime - elapsed);
  LibraryState.waitMark = platform::tick_count();
  return LibraryState.waitNow - LibraryState.waitPrev;
}
