#include "screens/GameOverScreen.h"

#include "assets/SharedObjects.h"
#include "loop/Pause.h"

void ShowGameOver() {
  QelSprite banner;
  banner.Set(QelDrawTrans, &GameOverImage, nullptr, &ScreenImage, 1.0f, 0);
  banner.posRect.x = 120;
  banner.posRect.y = 140;
  // Onto the window this is a plain copy: the white around the words covers
  // the stage too.
  banner.Draw();
  Pause(2000);
}
