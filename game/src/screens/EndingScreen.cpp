#include "screens/EndingScreen.h"

#include "assets/SharedObjects.h"
#include "font/DrawGlyphs.h"
#include "loop/Pause.h"
#include "screens/TiledBackground.h"
#include "shell/QuitRequest.h"

namespace {

const _QelPS BackgroundTile = {32, 0, 32, 32};  // the hook ball on white

constexpr std::int16_t ScrollSteps = 480;  // a multiple of the 32-pixel tile
constexpr unsigned int StepTime = 30;
constexpr std::int16_t LineSpacing = 32;
constexpr std::int16_t FirstLineY = 128;
constexpr std::int16_t WordX = 168;
constexpr std::int16_t ResultX = 264;
constexpr std::int16_t LastDigitX = 208;
constexpr int FireBit = 0x01;

// The objects of the screen, constructed in this order and destroyed in the
// reverse one.
struct EndingObjects {
  QelSprite scrollSprite;
  QelSprite wordSprite;
  QelSprite resultSprite;
  QelSound endingMusic;
};

// A closing window ends the screen: nobody could press fire any more.
bool WindowClosing() {
  return QuitRequest == QuitWindowClosing;
}

// Waits until no button at all is held, looking again every millisecond.
void WaitForRelease() {
  while (QelGetButton(0) != 0 && !WindowClosing())
    Pause(1);
}

void SetUpSprites(EndingObjects& ending) {
  ending.scrollSprite.Set(QelDrawCopy, &WorldImage, nullptr, &ScreenImage, 1.0f, 0);
  ending.scrollSprite.srcRect.width = 640;
  ending.scrollSprite.srcRect.height = 460;
  ending.scrollSprite.posRect = {0, 0, 460, 640};
  _QelPS word = {0, 0, 16, 80};
  ending.wordSprite.Set(QelDrawTrans, &EndingImage, &word, &WorldImage, 1.0f, 0);
  ending.wordSprite.eraseImage = &StageImage;
  ending.resultSprite.Set(QelDrawTrans, &EndingImage, nullptr, &WorldImage, 1.0f, 0);
  ending.resultSprite.srcRect.width = 224;
  ending.resultSprite.srcRect.height = 16;
  ending.resultSprite.posRect.width = 224;
  ending.resultSprite.posRect.height = 16;
  ending.resultSprite.eraseImage = &StageImage;
}

// The count in decimal, right-aligned on x 208 to 223. A count that ran past
// 32767 and wrapped negative goes on as the unsigned number it counted to.
void DrawCount(std::int16_t count, std::int16_t y) {
  unsigned int value = static_cast<std::uint16_t>(count);
  std::int16_t x = LastDigitX;
  DrawDigit(EndingImage, x, y, static_cast<std::int16_t>(value % 10), QelDrawCopy);
  value /= 10;
  while (value > 0) {
    x = static_cast<std::int16_t>(x - 16);
    DrawDigit(EndingImage, x, y, static_cast<std::int16_t>(value % 10), QelDrawCopy);
    value /= 10;
  }
}

void WriteTextSheet(EndingObjects& ending, const std::int16_t stageTimes[6]) {
  DrawString(EndingImage, 0, 0, "STAGE\n", QelDrawCopy);
  SetUpSprites(ending);
  for (std::int16_t k = 0; k < 6; ++k) {
    const std::int16_t y = static_cast<std::int16_t>(16 * k + 16);
    DrawDigit(EndingImage, 0, y, static_cast<std::int16_t>(k + 1), QelDrawCopy);
    DrawCount(stageTimes[k], y);
  }
}

void PlaceLine(EndingObjects& ending, std::int16_t k, std::int16_t j) {
  const std::int16_t y = static_cast<std::int16_t>(LineSpacing * k + j + FirstLineY);
  ending.wordSprite.posRect.x = WordX;
  ending.wordSprite.posRect.y = y;
  ending.resultSprite.posRect.x = ResultX;
  ending.resultSprite.posRect.y = y;
}

// One step of the scroll: the lines go into the world where the view will
// show them at the same place of the window, the view is copied, and the
// lines are taken out again. True when fire ends the screen.
bool ScrollStep(EndingObjects& ending, std::int16_t j) {
  MusicChannel.Play(&ending.endingMusic, 0);
  for (std::int16_t k = 0; k < 6; ++k) {
    PlaceLine(ending, k, j);
    ending.wordSprite.Draw();
    ending.resultSprite.srcRect.x = 0;
    ending.resultSprite.srcRect.y = static_cast<std::int16_t>(16 * k + 16);
    ending.resultSprite.Draw();
  }
  ending.scrollSprite.srcRect.x = 0;
  ending.scrollSprite.srcRect.y = j;
  ending.scrollSprite.Draw();
  for (std::int16_t k = 0; k < 6; ++k) {
    PlaceLine(ending, k, j);
    ending.wordSprite.Erase();
    ending.resultSprite.Erase();
  }
  const bool fire = (QelGetButton(0) & FireBit) != 0;
  QelWait(StepTime);
  return fire || WindowClosing();
}

}  // namespace

void ShowEnding(const std::int16_t stageTimes[6]) {
  EndingObjects ending;
  WaitForRelease();
  ending.endingMusic.GetFromFile("1.wav");
  MusicChannel.Play(&ending.endingMusic, 1);
  EndingImage.Clear(255, 255, 255);
  PaintTiledBackground(BackgroundTile);
  WriteTextSheet(ending, stageTimes);
  bool done = false;
  while (!done) {
    for (std::int16_t j = 0; j < ScrollSteps && !done; ++j)
      done = ScrollStep(ending, j);
  }
  WaitForRelease();
  MusicChannel.Stop();
}
