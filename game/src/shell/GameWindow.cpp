// The window class, the window and its procedure.

#include "shell/GameWindow.h"

#include "shell/GameThread.h"
#include "shell/QuitRequest.h"

platform::Window* GameWindow = nullptr;
platform::Thread GameThreadHandle;

const char GameWindowClassName[] =
    "\x83\x45\x83\x42\x83\x93\x83\x68\x83\x45\x83\x4e\x83\x89\x83\x58\x81\x45\x83\x6c\x81\x5b\x83"
    "\x80";

bool RegisterGameWindowClass(platform::Instance* instance) {
  platform::WindowClass windowClass;
  windowClass.style = platform::kClassRedrawOnWidthChange | platform::kClassRedrawOnHeightChange;
  windowClass.procedure = GameWindowProcedure;
  windowClass.instance = instance;
  windowClass.icon = nullptr;
  windowClass.cursor = platform::Cursor::arrow;
  windowClass.background = platform::kWhite;
  windowClass.class_name = GameWindowClassName;
  return platform::register_class(windowClass);
}

platform::Window* CreateGameWindow(platform::Instance* instance) {
  platform::WindowParams params;
  params.class_name = GameWindowClassName;
  params.title = "Kelvro";
  params.style = platform::kStyleSystemMenu;
  params.x = 0;
  params.y = 0;
  params.width = 640;
  params.height = 480;
  params.instance = instance;
  return platform::create_window(params);
}

namespace {

platform::MessageResult OnCreate(platform::Window* window) {
  GameWindow = window;
  GameThreadHandle = platform::Thread::start(GameThread, &GameWindow);
  // Without its game thread the window would sit there doing nothing.
  return GameThreadHandle.started() ? 0 : -1;
}

platform::MessageResult OnDestroy() {
  if (RequestQuit(QuitWindowClosing)) GameThreadHandle.wait();
  platform::post_quit(0);
  return 0;
}

}  // namespace

platform::MessageResult GameWindowProcedure(platform::Window* window, platform::Message message,
                                            std::uintptr_t wparam, std::intptr_t lparam) {
  switch (message) {
    case platform::Message::create:
      return OnCreate(window);
    case platform::Message::destroy:
      return OnDestroy();
    case platform::Message::command:
      return 0;
    default:
      return platform::default_procedure(window, message, wparam, lparam);
  }
}
