#pragma once

#include "platform/resources.h"
#include "platform/thread.h"
#include "platform/window.h"

// The game window, stored by the window procedure when the window is
// created; the game thread gets a pointer to it.
extern platform::Window* GameWindow;

// The game thread, started by the window procedure.
extern platform::Thread GameThreadHandle;

// The window class name: "window class name" in katakana, as the 24 bytes
// of its Shift-JIS spelling. Passed unchanged to the platform.
extern const char GameWindowClassName[];

bool RegisterGameWindowClass(platform::Instance* instance);
platform::Window* CreateGameWindow(platform::Instance* instance);

platform::MessageResult GameWindowProcedure(platform::Window* window, platform::Message message,
                                            std::uintptr_t wparam, std::intptr_t lparam);
