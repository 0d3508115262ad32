#include "sdl/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <dlfcn.h>
#include <unistd.h>

#include <atomic>

namespace platform::detail {
namespace {

using ErrorHandler = int (*)(Display* display, XErrorEvent* error);
using IoErrorHandler = int (*)(Display* display);
using SetErrorHandler = ErrorHandler (*)(ErrorHandler handler);
using SetIoErrorHandler = IoErrorHandler (*)(IoErrorHandler handler);

// SDL's own handler, which sees every other error.
std::atomic<ErrorHandler> g_sdl_handler{nullptr};

int on_error(Display* display, XErrorEvent* error) {
  if (error->request_code == X_SendEvent && error->error_code == BadWindow) return 0;
  const ErrorHandler sdl_handler = g_sdl_handler.load();
  return sdl_handler != nullptr ? sdl_handler(display, error) : 0;
}

int on_lost_connection(Display*) {
  // Only async-signal-safe calls: the connection, and maybe the heap, are in
  // an unknown state.
  constexpr char kMessage[] = "platform: the connection to the display was lost\n";
  const ssize_t written = write(STDERR_FILENO, kMessage, sizeof(kMessage) - 1);
  static_cast<void>(written);
  _exit(1);
}

}  // namespace

void handle_x11_errors() {
  // SDL has loaded X's library by now; take the copy it uses (it was not
  // linked to us, so it is found by name).
  void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_NOLOAD);
  if (library == nullptr) return;
  auto set_handler = reinterpret_cast<SetErrorHandler>(dlsym(library, "XSetErrorHandler"));
  auto set_io_handler = reinterpret_cast<SetIoErrorHandler>(dlsym(library, "XSetIOErrorHandler"));
  if (set_handler != nullptr) g_sdl_handler.store(set_handler(&on_error));
  if (set_io_handler != nullptr) set_io_handler(&on_lost_connection);
  dlclose(library);  // drops only the reference taken above
}

}  // namespace platform::detail
