#include <memory>
#include <mutex>
#include <unordered_map>

#include "common/bitmap_internal.h"
#include "common/drawing_objects.h"

namespace platform {
namespace {

using BitmapTable = std::unordered_map<const Bitmap*, std::unique_ptr<Bitmap>>;

// Bitmaps live until they are deleted or the process ends. The table itself is
// never destroyed, so that code running while the process ends (the other
// thread, destructors of static objects) still finds its bitmaps.
BitmapTable& bitmaps() {
  static auto* table = new BitmapTable;
  return *table;
}

bool size_allowed(int width, int height) {
  if (width <= 0 || height <= 0) return false;
  if (width > kMaxBitmapSide || height > kMaxBitmapSide) return false;
  return std::int64_t{width} * height <= kMaxBitmapPixels;
}

}  // namespace

namespace detail {

std::mutex& drawing_objects_lock() {
  static auto* lock = new std::mutex;
  return *lock;
}

bool is_live_bitmap(const Bitmap* bitmap) {
  return bitmaps().contains(bitmap);
}

Bitmap* adopt_bitmap(int width, int height) {
  auto owned = std::make_unique<Bitmap>(width, height);
  Bitmap* handle = owned.get();
  std::lock_guard lock(drawing_objects_lock());
  bitmaps().emplace(handle, std::move(owned));
  return handle;
}

Bitmap* stock_bitmap() {
  // Shared by every fresh memory context and never deleted.
  static auto* stock = new Bitmap(1, 1);
  return stock;
}

}  // namespace detail

Bitmap* create_pixel_section(int width, int height, std::uint8_t** bits) {
  if (!size_allowed(width, height)) return nullptr;
  Bitmap* bitmap = detail::adopt_bitmap(width, height);
  if (bits != nullptr) *bits = bitmap->bits();
  return bitmap;
}

BitmapSize bitmap_size(const Bitmap* bitmap) {
  if (bitmap == nullptr) return {};
  return {bitmap->width(), bitmap->height()};
}

std::uint8_t* bitmap_bits(Bitmap* bitmap) {
  return bitmap != nullptr ? bitmap->bits() : nullptr;
}

const std::uint8_t* bitmap_bits(const Bitmap* bitmap) {
  return bitmap != nullptr ? bitmap->bits() : nullptr;
}

bool delete_bitmap(Bitmap* bitmap) {
  std::lock_guard lock(detail::drawing_objects_lock());
  auto found = bitmaps().find(bitmap);
  if (found == bitmaps().end() || bitmap->selected_into != nullptr) return false;
  bitmaps().erase(found);
  return true;
}

}  // namespace platform
