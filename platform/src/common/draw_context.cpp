#include <memory>
#include <mutex>
#include <unordered_map>

#include "common/bitmap_internal.h"
#include "common/drawing_objects.h"
#include "common/pixel_ops.h"
#include "common/window_surface.h"
#include "platform/draw.h"
#include "platform/window.h"

namespace platform {

// A memory context draws into its selected bitmap; a window's context draws
// into the window's screen and has no selection.
class DrawContext {
 public:
  DrawContext() : selected(detail::stock_bitmap()) {}
  explicit DrawContext(Window* owner) : window(owner) {}

  Window* const window = nullptr;
  Bitmap* selected = nullptr;
};

namespace {

struct ContextTables {
  std::unordered_map<const DrawContext*, std::unique_ptr<DrawContext>> all;
  std::unordered_map<const Window*, DrawContext*> of_window;
};

// Guarded by drawing_objects_lock(). Never destroyed, like the bitmaps.
ContextTables& contexts() {
  static auto* tables = new ContextTables;
  return *tables;
}

// The live context behind a handle, or null. Call with the lock held.
DrawContext* find_context(const DrawContext* context) {
  auto found = contexts().all.find(context);
  return found != contexts().all.end() ? found->second.get() : nullptr;
}

DrawContext* add_context(std::unique_ptr<DrawContext> context) {
  DrawContext* handle = context.get();
  contexts().all.emplace(handle, std::move(context));
  return handle;
}

// A window counts as created once the platform knows it, even while it is
// still being created and before its screen exists.
bool known_window(Window* window) {
  return is_window(window) || detail::window_screen(window) != nullptr;
}

detail::SurfaceView view_of(Bitmap* bitmap) {
  if (bitmap == nullptr) return {};
  return {bitmap->bits(), bitmap->width(), bitmap->height()};
}

// What one side of a drawing call touches: pixels, and for a window's screen
// the window and the lock that guards the screen.
struct Surface {
  detail::SurfaceView view;
  Window* window = nullptr;
  std::mutex* lock = nullptr;
};

enum class Access { read, write };

Surface surface_of(const DrawContext& context, Access access) {
  if (context.window != nullptr) {
    // Looked up before the screen is locked: the window's own bookkeeping may
    // take other locks, and none may be taken while a screen lock is held.
    Bitmap* screen = detail::window_screen(context.window);
    if (screen == nullptr) return {};
    return {view_of(screen), context.window, &detail::window_screen_lock(context.window)};
  }
  // The stock bitmap is shared by every fresh context, so it is never drawn into.
  if (access == Access::write && context.selected == detail::stock_bitmap()) return {};
  return {view_of(context.selected), nullptr, nullptr};
}

// Holds the screen locks of one drawing call: none, one, or two without any
// order that could deadlock against another thread.
class ScreenLocks {
 public:
  ScreenLocks(std::mutex* first, std::mutex* second) {
    if (second == first) second = nullptr;
    if (first != nullptr && second != nullptr) {
      std::lock(*first, *second);
      first_ = std::unique_lock(*first, std::adopt_lock);
      second_ = std::unique_lock(*second, std::adopt_lock);
    } else if (first != nullptr || second != nullptr) {
      first_ = std::unique_lock(first != nullptr ? *first : *second);
    }
  }

 private:
  std::unique_lock<std::mutex> first_;
  std::unique_lock<std::mutex> second_;
};

// Runs `draw(destination view, source view)` with the screens locked, then
// tells the destination window, after unlocking, when its pixels changed.
template <typename Draw>
bool draw_with(const DrawContext& destination, const DrawContext* source, Draw draw) {
  const Surface to = surface_of(destination, Access::write);
  const Surface from = source != nullptr ? surface_of(*source, Access::read) : Surface{};
  bool written = false;
  {
    ScreenLocks locks(to.lock, from.lock);
    written = draw(to.view, from.view);
  }
  if (written && to.window != nullptr) detail::window_screen_changed(to.window);
  return true;
}

}  // namespace

DrawContext* create_memory_context(DrawContext* compatible_with) {
  std::lock_guard lock(detail::drawing_objects_lock());
  if (find_context(compatible_with) == nullptr) return nullptr;
  return add_context(std::make_unique<DrawContext>());
}

DrawContext* window_context(Window* window) {
  if (window == nullptr) return nullptr;
  {
    std::lock_guard lock(detail::drawing_objects_lock());
    auto found = contexts().of_window.find(window);
    if (found != contexts().of_window.end()) return found->second;
  }
  if (!known_window(window)) return nullptr;
  std::lock_guard lock(detail::drawing_objects_lock());
  auto [entry, added] = contexts().of_window.try_emplace(window, nullptr);
  if (added) entry->second = add_context(std::make_unique<DrawContext>(window));
  return entry->second;
}

Bitmap* select_bitmap(DrawContext* context, Bitmap* bitmap) {
  std::lock_guard lock(detail::drawing_objects_lock());
  DrawContext* target = find_context(context);
  if (target == nullptr || target->window != nullptr || bitmap == nullptr) return nullptr;
  Bitmap* stock = detail::stock_bitmap();
  if (bitmap != stock) {
    if (!detail::is_live_bitmap(bitmap)) return nullptr;
    if (bitmap->selected_into != nullptr && bitmap->selected_into != target) return nullptr;
  }
  Bitmap* displaced = target->selected;
  if (displaced == bitmap) return displaced;
  if (displaced != stock) displaced->selected_into = nullptr;
  if (bitmap != stock) bitmap->selected_into = target;
  target->selected = bitmap;
  return displaced;
}

bool delete_context(DrawContext* context) {
  std::lock_guard lock(detail::drawing_objects_lock());
  DrawContext* target = find_context(context);
  if (target == nullptr || target->window != nullptr) return false;
  if (target->selected != detail::stock_bitmap()) target->selected->selected_into = nullptr;
  contexts().all.erase(target);
  return true;
}

BitmapSize context_size(const DrawContext* context) {
  if (context == nullptr) return {};
  if (context->window != nullptr) return client_size(context->window);
  return bitmap_size(context->selected);
}

bool copy_rect(DrawContext* destination, int x, int y, int width, int height, DrawContext* source,
               int source_x, int source_y) {
  if (destination == nullptr || source == nullptr) return false;
  return draw_with(*destination, source, [&](const auto& to, const auto& from) {
    return detail::copy_pixels(to, x, y, width, height, from, source_x, source_y);
  });
}

bool stretch_rect(DrawContext* destination, int x, int y, int width, int height,
                  DrawContext* source, int source_x, int source_y, int source_width,
                  int source_height) {
  if (destination == nullptr || source == nullptr) return false;
  return draw_with(*destination, source, [&](const auto& to, const auto& from) {
    return detail::stretch_pixels(to, x, y, width, height, from, source_x, source_y, source_width,
                                  source_height);
  });
}

bool fill_rect(DrawContext* context, int left, int top, int right, int bottom, Colour colour) {
  if (context == nullptr) return false;
  return draw_with(*context, nullptr, [&](const auto& to, const auto&) {
    return detail::fill_pixels(to, left, top, right, bottom, colour);
  });
}

bool draw_line(DrawContext* context, int x0, int y0, int x1, int y1, Colour colour) {
  if (context == nullptr) return false;
  return draw_with(*context, nullptr, [&](const auto& to, const auto&) {
    return detail::line_pixels(to, x0, y0, x1, y1, colour);
  });
}

}  // namespace platform
