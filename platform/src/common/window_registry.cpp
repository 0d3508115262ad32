#include "common/window_registry.h"

#include <map>
#include <memory>
#include <mutex>
#include <vector>

#include "common/window_internal.h"

namespace platform {
namespace {

struct Registry {
  std::mutex mutex;
  std::map<std::string, std::unique_ptr<WindowClass>> classes;
  std::vector<std::unique_ptr<Window>> windows;
};

Registry g_registry;
thread_local std::string t_last_error;

}  // namespace

bool register_class(const WindowClass& window_class) {
  if (!window_class.class_name || !*window_class.class_name) {
    detail::set_last_error("a window class needs a name");
    return false;
  }
  if (!window_class.procedure) {
    detail::set_last_error("a window class needs a procedure");
    return false;
  }
  std::lock_guard lock(g_registry.mutex);
  auto [place, inserted] = g_registry.classes.try_emplace(window_class.class_name);
  if (!inserted) {
    detail::set_last_error("the window class is registered already");
    return false;
  }
  place->second = std::make_unique<WindowClass>(window_class);
  // Keep our own copy of the name: the caller's bytes need not outlive the call.
  place->second->class_name = place->first.c_str();
  return true;
}

const char* last_error() {
  return t_last_error.c_str();
}

namespace detail {

void set_last_error(std::string message) {
  t_last_error = std::move(message);
}

const WindowClass* find_class(const std::string& name) {
  std::lock_guard lock(g_registry.mutex);
  auto found = g_registry.classes.find(name);
  return found == g_registry.classes.end() ? nullptr : found->second.get();
}

Window* new_window() {
  std::lock_guard lock(g_registry.mutex);
  g_registry.windows.push_back(std::make_unique<Window>());
  return g_registry.windows.back().get();
}

Window* newest_window() {
  std::lock_guard lock(g_registry.mutex);
  return g_registry.windows.empty() ? nullptr : g_registry.windows.back().get();
}

void forget_windows() {
  std::lock_guard lock(g_registry.mutex);
  g_registry.classes.clear();
  for (auto& window : g_registry.windows)
    window->alive = false;
}

}  // namespace detail
}  // namespace platform
