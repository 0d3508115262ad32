#include "sdl/quiet_alsa.h"

#include <dlfcn.h>

namespace platform::detail {
namespace {

// The library's error handler: printf-style, with the place of the error.
using ErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                              const char* format, ...);
using SetErrorHandler = int (*)(ErrorHandler handler);

void drop_message(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void quiet_alsa_messages() {
  // SDL loads the library itself when it tries that driver; loading it here
  // first gives both the same copy, so the handler set now is the one SDL's
  // lookups report through. The handle is kept for the rest of the process.
  void* library = dlopen("libasound.so.2", RTLD_LAZY | RTLD_LOCAL);
  if (library == nullptr) return;  // not installed: nothing to quiet
  auto set_handler = reinterpret_cast<SetErrorHandler>(dlsym(library, "snd_lib_error_set_handler"));
  if (set_handler != nullptr) set_handler(&drop_message);
}

}  // namespace platform::detail
