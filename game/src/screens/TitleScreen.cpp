// The title: a tiled background scrolling upward one pixel a frame, the
// title logo fading in over it, the title music, until fire or Escape.

#include "screens/TitleScreen.h"

#include "assets/SharedObjects.h"
#include "screens/TiledBackground.h"
#include "shell/QuitRequest.h"

namespace {

const _QelPS BackgroundTile = {0, 32, 32, 32};  // the open-cell tile of the stages

constexpr std::int16_t RunFrames = 480;        // a multiple of the 32-pixel tile
constexpr std::int16_t FirstEntryDelay = 580;  // frames before the logo's fade
constexpr float FadeStep = 0.01f;
constexpr unsigned int FrameTime = 30;
constexpr int FireBit = 0x01;
constexpr int EscapeBit = 0x80;

// The objects of one call, constructed in this order, destroyed in reverse.
struct TitleObjects {
  QelSprite logoSprite;
  QelSprite viewSprite;
  QelSound openingTune;
  QelSound titleTune;
};

struct TitleState {
  float fade = 0.0f;
  std::int16_t delay = 0;
  bool done = false;
};

void SetUp(TitleObjects& title, TitleState& state, int firstTime) {
  title.openingTune.GetFromFile("2.wav");
  title.titleTune.GetFromFile("3.wav");
  if (firstTime) {
    MusicChannel.Play(&title.openingTune, 0);
    state.delay = 0;
  } else {
    MusicChannel.Play(&title.titleTune, 0);
    state.delay = FirstEntryDelay;
  }
  PaintTiledBackground(BackgroundTile);
  title.logoSprite.Set(QelDrawBlend, &TitleLogoImage, nullptr, &WorldImage, 1.0f, 0);
  title.logoSprite.eraseImage = &StageImage;
  title.viewSprite.Set(QelDrawCopy, &WorldImage, nullptr, &ScreenImage, 1.0f, 0);
  title.viewSprite.posRect.x = 0;
  title.viewSprite.posRect.y = 0;
}

// The logo, once the delay is over, a little stronger every frame. The title
// tune is offered every frame, so it starts once the opening tune is over and
// starts again whenever it ends.
void DrawLogo(TitleObjects& title, TitleState& state) {
  if (state.delay < FirstEntryDelay) {
    ++state.delay;
    return;
  }
  state.fade = state.fade + FadeStep;
  if (state.fade > 1.0f) state.fade = 1.0f;
  MusicChannel.Play(&title.titleTune, 0);
  title.logoSprite.blend = state.fade;
  title.logoSprite.Draw();
}

// The logo moves down the world exactly as the view does, so it stands still
// on the window while the background scrolls up.
void RunFrame(TitleObjects& title, TitleState& state, std::int16_t i) {
  title.viewSprite.srcRect.x = 0;
  title.viewSprite.srcRect.y = i;
  title.logoSprite.Erase();
  title.logoSprite.posRect.x = 20;
  title.logoSprite.posRect.y = static_cast<std::int16_t>(i + 128);
  DrawLogo(title, state);
  title.viewSprite.Draw();
  if (QelGetButton(0) & FireBit) {
    state.done = true;
  } else if (QelGetButton(0) & EscapeBit) {
    RequestQuit(QuitLeftAtTitle);  // unless the window is closing already
    state.done = true;
  }
  QelWait(FrameTime);
}

bool Stopping(const TitleState& state) {
  return state.done || QuitRequest != QuitRunning;
}

}  // namespace

void RunTitleScreen(int firstTime) {
  TitleObjects title;
  TitleState state;
  SetUp(title, state, firstTime);
  while (!Stopping(state)) {
    for (std::int16_t i = 0; i < RunFrames && !Stopping(state); ++i)
      RunFrame(title, state, i);
  }
  MusicChannel.Stop();
}
