#include "shell/GameThread.h"

#include <cstdio>

#include "QelLib.h"
#include "assets/LoadAssets.h"
#include "assets/SharedObjects.h"
#include "loop/PlayGame.h"
#include "screens/TitleScreen.h"
#include "shell/QuitRequest.h"

bool GameStartupFailed = false;

namespace {

// Without its pictures no screen can run. Say what is missing, then end the
// program the way Escape on the title does.
void EndBecauseAssetsFailed() {
  std::fprintf(stderr, "kelvro: cannot set up the game: %s\n", LoadAssetsFailure);
  GameStartupFailed = true;
  RequestQuit(QuitLeftAtTitle);
}

void RunScreens() {
  QelLogo(&ScreenImage);
  int firstTime = 1;
  while (QuitRequest == QuitRunning) {
    RunTitleScreen(firstTime);
    if (QuitRequest == QuitRunning) PlayGame();
    firstTime = 0;
  }
}

}  // namespace

int GameThread(void* windowHandle) {
  platform::Window* window = *static_cast<platform::Window**>(windowHandle);
  if (LoadAssets(window) == 0) {
    RunScreens();
  } else {
    EndBecauseAssetsFailed();
  }
  // When the window is closing its thread is waiting for this one and could
  // never answer; otherwise it is told to end the program.
  if (QuitRequest != QuitWindowClosing) {
    platform::send_message(window, platform::Message::destroy, 0, 0);
  }
  return 0;
}
