// Stand-in until the title screen is built: waits for fire or Escape.

#include "screens/TitleScreen.h"

#include "QelLib.h"
#include "shell/QuitRequest.h"

void RunTitleScreen(int) {
  while (QuitRequest == QuitRunning) {
    const int buttons = QelGetButton(0);
    if (buttons & 0x01) return;
    if (buttons & 0x80) {
      RequestQuit(QuitLeftAtTitle);
      return;
    }
    QelWait(30);
  }
}
