#include "sdl/sdl_display.h"

#include <SDL.h>

#include <cstdlib>
#include <string_view>
#include <vector>

namespace platform::detail {
namespace {

// SDL's drivers that draw into memory or nowhere.
bool shows_nothing(std::string_view driver) {
  return driver == "offscreen" || driver == "dummy" || driver == "evdev";
}

// The Wayland client library complains on stderr when it has no runtime
// folder to look for a compositor in; without one there is no compositor.
bool wayland_reachable() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const char* display = std::getenv("WAYLAND_DISPLAY");
  return (runtime != nullptr && *runtime != '\0') || (display != nullptr && display[0] == '/');
}

// SDL's own order of preference, less what cannot show a window here.
std::vector<std::string> desktop_drivers() {
  std::vector<std::string> drivers;
  for (int index = 0; index < SDL_GetNumVideoDrivers(); ++index) {
    const std::string_view driver = SDL_GetVideoDriver(index);
    if (shows_nothing(driver) || (driver == "wayland" && !wayland_reachable())) continue;
    drivers.emplace_back(driver);
  }
  return drivers;
}

std::string no_display_reason() {
  const char* display = std::getenv("DISPLAY");
  if (display == nullptr || *display == '\0') return "no display is available (DISPLAY is not set)";
  return std::string("no display is available (cannot connect to DISPLAY ") + display + ")";
}

}  // namespace

bool start_display(std::string& error) {
  const char* chosen = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if (chosen != nullptr && *chosen != '\0') {
    // Chosen by whoever runs the program: no second-guessing.
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    error = SDL_GetError();
    return false;
  }
  bool started = false;
  for (const std::string& driver : desktop_drivers()) {
    SDL_SetHint(SDL_HINT_VIDEODRIVER, driver.c_str());
    started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
    if (started) break;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, nullptr);
  if (!started) error = no_display_reason();
  return started;
}

}  // namespace platform::detail
