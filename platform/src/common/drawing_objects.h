#pragma once

// The bookkeeping shared by bitmaps and drawing contexts. One lock guards the
// tables of both and the selection links between them, so that selecting a
// bitmap and deleting it can never race.

#include <mutex>

namespace platform {

class Bitmap;

namespace detail {

std::mutex& drawing_objects_lock();

// Whether `bitmap` is a bitmap created by the platform and not yet deleted.
// The stock bitmap is not one of them. Call with the lock held.
bool is_live_bitmap(const Bitmap* bitmap);

}  // namespace detail
}  // namespace platform
