// x11_send_close WINDOW: asks an X window to close the way a window manager's
// close button does, with a WM_DELETE_WINDOW client message.
//
// WINDOW is the window's id, decimal or 0x-hex (as xdotool and xwininfo print
// it). Exit status 0 when the request was delivered to the X server.

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: x11_send_close WINDOW\n");
    return 2;
  }
  char* end = nullptr;
  const unsigned long window = std::strtoul(argv[1], &end, 0);
  if (end == argv[1] || *end != '\0' || window == 0) {
    std::fprintf(stderr, "x11_send_close: not a window id: %s\n", argv[1]);
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "x11_send_close: cannot open display %s\n", XDisplayName(nullptr));
    return 1;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
  XSync(display, False);
  XCloseDisplay(display);
  if (sent == 0) {
    std::fprintf(stderr, "x11_send_close: the X server refused the message\n");
    return 1;
  }
  return 0;
}
