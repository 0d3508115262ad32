#pragma once

// What drawing needs of a window: the pixels of its client area, the lock
// that guards them against the thread that puts them on the screen, and the
// call that asks for them to be shown.

#include <mutex>

namespace platform {

class Bitmap;
class Window;

namespace detail {

// The client area's pixels (bitmap.h layout); null for null or an unknown window.
Bitmap* window_screen(Window* window);

// Held while the screen's pixels are read or written.
std::mutex& window_screen_lock(Window* window);

// Tells the backend that the screen changed; call after releasing the lock.
void window_screen_changed(Window* window);

}  // namespace detail
}  // namespace platform
