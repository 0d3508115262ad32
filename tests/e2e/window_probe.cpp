// A window of the game's shape on the real desktop, for the end-to-end tests:
// the game shell's start-up and message loop without the game.
//
//   e2e-window-probe            a white 640 x 460 client area, like the game
//                               before it draws
//   e2e-window-probe --pattern  the client area with a test picture whose
//                               colours, orientation and edges a screenshot
//                               can check (see pattern_test.sh)

#include <cstdio>
#include <cstring>

#include "platform/backend.h"
#include "platform/draw.h"
#include "platform/resources.h"
#include "platform/window.h"

namespace {

constexpr char kClassName[] = "e2e-window-probe";

platform::MessageResult procedure(platform::Window* window, platform::Message message,
                                  std::uintptr_t wparam, std::intptr_t lparam) {
  if (message == platform::Message::destroy) {
    platform::post_quit(0);
    return 0;
  }
  return platform::default_procedure(window, message, wparam, lparam);
}

// Red top-left quarter, blue bottom-right quarter, white elsewhere, and one
// black column one pixel wide at x = 100, rows 300 to 399.
void draw_pattern(platform::Window* window) {
  platform::DrawContext* context = platform::window_context(window);
  platform::fill_rect(context, 0, 0, 320, 230, platform::make_colour(255, 0, 0));
  platform::fill_rect(context, 320, 230, 640, 460, platform::make_colour(0, 0, 255));
  platform::fill_rect(context, 100, 300, 101, 400, platform::kBlack);
}

}  // namespace

int main(int argc, char** argv) {
  const bool pattern = argc > 1 && std::strcmp(argv[1], "--pattern") == 0;
  platform::use_backend(platform::Backend::sdl);
  platform::Instance* instance = platform::program_instance("e2e-window-probe", {});

  platform::WindowClass window_class;
  window_class.procedure = procedure;
  window_class.instance = instance;
  window_class.cursor = platform::Cursor::arrow;
  window_class.background = platform::kWhite;
  window_class.class_name = kClassName;
  if (!platform::register_class(window_class)) return 0;

  platform::WindowParams params;
  params.class_name = kClassName;
  params.title = "Kelvro";
  params.style = platform::kStyleSystemMenu;
  params.width = 640;
  params.height = 480;
  params.instance = instance;
  platform::Window* window = platform::create_window(params);
  if (window == nullptr) {
    std::fprintf(stderr, "kelvro: cannot open the game window: %s\n", platform::last_error());
    return 1;
  }
  if (pattern) draw_pattern(window);
  platform::show_window(window, platform::ShowCommand::normal);
  platform::update_window(window);

  platform::QueuedMessage message;
  while (platform::get_message(&message)) {
    platform::translate_message(message);
    platform::dispatch_message(message);
  }
  return static_cast<int>(message.wparam);
}
