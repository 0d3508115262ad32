#include "platform/window.h"

#include <cstring>
#include <string>

#include "common/backend_interface.h"
#include "common/bitmap_internal.h"
#include "common/message_queue.h"
#include "common/window_internal.h"
#include "common/window_registry.h"
#include "common/window_surface.h"

namespace platform {
namespace {

bool on_owner_thread(const Window* window) {
  return window->owner == std::this_thread::get_id();
}

void fill_with_background(Window& window) {
  std::uint8_t* byte = window.screen->bits();
  const std::uint8_t bgr[3] = {blue_of(window.background), green_of(window.background),
                               red_of(window.background)};
  for (std::size_t i = 0; i < window.screen->byte_count(); ++i)
    byte[i] = bgr[i % 3];
}

Window* fail(std::string why) {
  detail::set_last_error(std::move(why));
  return nullptr;
}

}  // namespace

Window* create_window(const WindowParams& params) {
  const WindowClass* window_class =
      params.class_name ? detail::find_class(params.class_name) : nullptr;
  if (!window_class) return fail("no window class of that name is registered");
  const int client_width = params.width;
  const int client_height = params.height - kCaptionHeight;
  if (client_width <= 0 || client_height <= 0 || client_width > kMaxBitmapSide ||
      client_height > kMaxBitmapSide) {
    return fail("the window is too small or too large to have a client area");
  }

  Window* window = detail::new_window();
  window->class_name = window_class->class_name;
  window->title = params.title ? params.title : "";
  window->procedure = window_class->procedure;
  window->instance = params.instance;
  window->style = params.style;
  window->x = params.x;
  window->y = params.y;
  window->client = {client_width, client_height};
  window->background = window_class->background;
  window->screen = detail::adopt_bitmap(client_width, client_height);
  fill_with_background(*window);
  window->owner = std::this_thread::get_id();

  std::string why;
  if (!detail::backend().open_window(*window, why)) return fail(why);
  window->alive = true;
  if (window->procedure(window, Message::create, 0,
                        reinterpret_cast<std::intptr_t>(params.create_data)) == -1) {
    destroy_window(window);
    return fail("the window procedure refused to create the window");
  }
  return window;
}

void show_window(Window* window, ShowCommand command) {
  if (!is_window(window)) return;
  detail::backend().show_window(*window, command != ShowCommand::hide);
}

void update_window(Window* window) {
  if (is_window(window)) detail::backend().screen_changed(*window);
}

BitmapSize client_size(const Window* window) {
  return window ? window->client : BitmapSize{};
}

Instance* window_instance(const Window* window) {
  return window ? window->instance : nullptr;
}

bool is_window(const Window* window) {
  return window && window->alive;
}

bool destroy_window(Window* window) {
  if (!is_window(window) || !on_owner_thread(window)) return false;
  window->destroying = true;
  detail::message_queue().abandon(window);
  detail::backend().close_window(*window);
  window->procedure(window, Message::destroy, 0, 0);
  window->alive = false;
  return true;
}

MessageResult default_procedure(Window* window, Message message, std::uintptr_t, std::intptr_t) {
  if (message == Message::close) destroy_window(window);
  return 0;
}

bool get_message(QueuedMessage* message) {
  detail::MessageQueue& queue = detail::message_queue();
  for (;;) {
    detail::MessageQueue::Sent* sent = nullptr;
    int exit_code = 0;
    switch (queue.take(message, &sent, &exit_code)) {
      case detail::MessageQueue::Next::sent: {
        const QueuedMessage& m = sent->message;
        queue.finish(*sent, is_window(m.window)
                                ? m.window->procedure(m.window, m.message, m.wparam, m.lparam)
                                : 0);
        continue;
      }
      case detail::MessageQueue::Next::posted:
        return true;
      case detail::MessageQueue::Next::quit:
        queue.close();
        *message = QueuedMessage{nullptr, Message::quit, static_cast<std::uintptr_t>(exit_code), 0};
        return false;
      case detail::MessageQueue::Next::empty:
        detail::backend().wait_for_events(queue);
        continue;
    }
  }
}

void translate_message(const QueuedMessage&) {}

MessageResult dispatch_message(const QueuedMessage& message) {
  if (!is_window(message.window)) return 0;
  return message.window->procedure(message.window, message.message, message.wparam, message.lparam);
}

MessageResult send_message(Window* window, Message message, std::uintptr_t wparam,
                           std::intptr_t lparam) {
  if (!is_window(window)) return 0;
  if (on_owner_thread(window)) return window->procedure(window, message, wparam, lparam);
  // A window on its way out may be waiting for this very thread, so a send
  // to it could never be answered: it is refused, and abandoned if queued.
  detail::MessageQueue::Sent sent;
  sent.message = {window, message, wparam, lparam};
  return detail::message_queue().send_and_wait(sent, window->destroying) ? sent.result : 0;
}

bool post_message(Window* window, Message message, std::uintptr_t wparam, std::intptr_t lparam) {
  if (!is_window(window)) return false;
  detail::message_queue().post({window, message, wparam, lparam});
  return true;
}

void post_quit(int exit_code) {
  detail::message_queue().post_quit(exit_code);
}

namespace detail {

Bitmap* window_screen(Window* window) {
  return window ? window->screen : nullptr;
}

std::mutex& window_screen_lock(Window* window) {
  return window->screen_lock;
}

void window_screen_changed(Window* window) {
  if (window) backend().screen_changed(*window);
}

}  // namespace detail
}  // namespace platform
