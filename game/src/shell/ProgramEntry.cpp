#include "shell/ProgramEntry.h"

#include <cstdio>

#include "shell/GameThread.h"
#include "shell/GameWindow.h"

int ProgramEntry(platform::Instance* instance, platform::Instance* previousInstance, const char*,
                 platform::ShowCommand showCommand) {
  if (!previousInstance && !RegisterGameWindowClass(instance)) return 0;
  platform::Window* window = CreateGameWindow(instance);
  if (!window) {
    std::fprintf(stderr, "kelvro: cannot open the game window: %s\n", platform::last_error());
    return 1;
  }
  platform::show_window(window, showCommand);
  platform::update_window(window);

  platform::QueuedMessage message;
  while (platform::get_message(&message)) {
    platform::translate_message(message);
    platform::dispatch_message(message);
  }
  // After Escape on the title the game thread is still on its way out of
  // the send that ended this loop; let it finish before the process-wide
  // objects it used are destroyed.
  GameThreadHandle.wait();
  return GameStartupFailed ? 1 : static_cast<int>(message.wparam);
}
