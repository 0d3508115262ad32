#pragma once

#include <cstdint>

#include "platform/bitmap.h"
#include "platform/colour.h"

namespace platform {

class Instance;

// A top-level window. Handles stay valid (is_window() tells whether the
// window still exists) until the end of the process.
class Window;

// What a window procedure is told.
enum class Message : std::uint32_t {
  none = 0,
  create = 1,   // from inside create_window, before it returns
  destroy = 2,  // from inside destroy_window, or sent by another thread
  close = 3,    // the user or the window manager asks the window to close
  command = 4,
  quit = 5,  // ends the message loop; never dispatched
};

using MessageResult = std::intptr_t;
using WindowProcedure = MessageResult (*)(Window* window, Message message, std::uintptr_t wparam,
                                          std::intptr_t lparam);

enum class Cursor { none, arrow };

// Class styles: redraw the whole client area when its width or height changes.
constexpr std::uint32_t kClassRedrawOnWidthChange = 0x1;
constexpr std::uint32_t kClassRedrawOnHeightChange = 0x2;

struct WindowClass {
  std::uint32_t style = 0;
  WindowProcedure procedure = nullptr;
  int class_extra_bytes = 0;
  int window_extra_bytes = 0;
  Instance* instance = nullptr;
  const void* icon = nullptr;  // unused: windows show no icon of their own
  Cursor cursor = Cursor::none;
  Colour background = kWhite;  // the client area shows this until drawn into
  const char* menu_name = nullptr;
  const char* class_name = nullptr;  // raw bytes, compared and kept unchanged
};

// Registers a window class. False when the name is null or empty, there is
// no procedure, or a class of that name is already registered.
bool register_class(const WindowClass& window_class);

// Window styles. kStyleSystemMenu is a caption with a close box and nothing
// else: the user cannot resize, minimise or maximise the window.
constexpr std::uint32_t kStyleSystemMenu = 0x00080000;

// The platform counts a caption of this height as frame: a window of outer
// size w x h has a client area of w x (h - kCaptionHeight).
constexpr int kCaptionHeight = 20;

struct WindowParams {
  std::uint32_t extended_style = 0;
  const char* class_name = nullptr;
  const char* title = nullptr;
  std::uint32_t style = 0;
  int x = 0;
  int y = 0;
  int width = 0;  // outer size, caption included
  int height = 0;
  Window* parent = nullptr;
  Instance* instance = nullptr;
  void* create_data = nullptr;
};

// Creates a window of a registered class. The class's procedure receives
// Message::create before this returns. Null on failure; last_error() says why.
// The calling thread becomes the window's thread: its message loop serves it.
Window* create_window(const WindowParams& params);

// Why the latest register_class or create_window call failed.
const char* last_error();

enum class ShowCommand : int { hide = 0, normal = 1 };

void show_window(Window* window, ShowCommand command);
void update_window(Window* window);

// Size of the client area, fixed when the window is created.
BitmapSize client_size(const Window* window);
Instance* window_instance(const Window* window);
bool is_window(const Window* window);

// Destroys a window on its own thread: it disappears from the screen, its
// procedure receives Message::destroy, and from then on is_window() is false.
bool destroy_window(Window* window);

// What a window does with a message its procedure does not handle. A close
// request destroys the window.
MessageResult default_procedure(Window* window, Message message, std::uintptr_t wparam,
                                std::intptr_t lparam);

struct QueuedMessage {
  Window* window = nullptr;
  Message message = Message::none;
  std::uintptr_t wparam = 0;
  std::intptr_t lparam = 0;
};

// Waits for the next message of the calling thread's windows. Messages sent
// by other threads are handled inside this call, before posted ones. Returns
// false for the quit message, whose wparam is the exit code.
bool get_message(QueuedMessage* message);

// Kept for the shape of the loop; there are no key messages to translate.
void translate_message(const QueuedMessage& message);

// Calls the procedure of the message's window; 0 when it has none.
MessageResult dispatch_message(const QueuedMessage& message);

// Calls the window's procedure on the window's thread and returns its result.
// From another thread it waits until the window's thread has handled the
// message. Returns 0 at once when the window no longer exists, and gives up
// with 0 when the window's message loop ends before handling it.
MessageResult send_message(Window* window, Message message, std::uintptr_t wparam,
                           std::intptr_t lparam);

// Queues a message for the window's thread and returns at once.
bool post_message(Window* window, Message message, std::uintptr_t wparam, std::intptr_t lparam);

// Ends the calling thread's message loop once its queue is empty.
void post_quit(int exit_code);

}  // namespace platform
