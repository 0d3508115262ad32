#include "assets/LoadAssets.h"

#include "assets/SharedObjects.h"

const char* LoadAssetsFailure = "";

namespace {

// One image of the set-up list: what it becomes and how.
struct ImageStep {
  QelImage* image;
  const char* resource;  // null for a blank surface of the given size
  short width;
  short height;
  const char* description;
};

const ImageStep ImageSteps[] = {
    {&StageImage, nullptr, 1280, 960, "the 1280 x 960 stage surface"},
    {&TileSheet, "BMP128", 0, 0, "the bitmap BMP128"},
    {&FontSheet, "BMP129", 0, 0, "the bitmap BMP129"},
    {&TitleLogoImage, "BMP130", 0, 0, "the bitmap BMP130"},
    {&HudImage, nullptr, 160, 16, "the 160 x 16 counter surface"},
    {&StageLabelImage, "BMP131", 0, 0, "the bitmap BMP131"},
    {&ClearImage, "BMP132", 0, 0, "the bitmap BMP132"},
    {&GameOverImage, "BMP133", 0, 0, "the bitmap BMP133"},
    {&EndingImage, nullptr, 640, 460, "the 640 x 460 ending surface"},
};

bool RunImageStep(const ImageStep& step) {
  if (step.resource) return step.image->Get(step.resource) != nullptr;
  return step.image->Set(step.width, step.height) != nullptr;
}

void SetUpSprites() {
  _QelPS view = {0, 0, 460, 640};
  ViewSprite.Set(QelDrawCopy, &WorldImage, &view, &ScreenImage, 1.0f, 0);
  RestoreSprite.Set(QelDrawCopy, &StageImage, nullptr, &WorldImage, 1.0f, 0);
  HudImage.Clear(255, 255, 255);
  _QelPS counter = {0, 0, 16, 160};
  HudSprite.Set(QelDrawTrans, &HudImage, &counter, &WorldImage, 1.0f, 0);
  HudSprite.eraseImage = &StageImage;
  HudSprite.posRect.height = 16;
  HudSprite.posRect.width = 160;
}

void OpenEffectSounds() {
  EffectSounds[LetGoSound].GetFromFile("128.wav");
  EffectSounds[CatchSound].GetFromFile("130.wav");
  EffectSounds[GoalSound].GetFromFile("131.wav");
}

}  // namespace

int LoadAssets(platform::Window* window) {
  int result = 0;
  if (!ScreenImage.SetWindow(window)) {
    result = 1;
    LoadAssetsFailure = "the game window's image";
  }
  // The world surface is attempted even when the window could not be bound.
  if (!WorldImage.Set(1280, 960)) {
    if (result == 0) LoadAssetsFailure = "the 1280 x 960 world surface";
    result = 1;
  }
  for (const ImageStep& step : ImageSteps) {
    if (result != 0) break;
    if (!RunImageStep(step)) {
      result = 1;
      LoadAssetsFailure = step.description;
    }
  }
  if (result != 0) return 1;
  SetUpSprites();
  OpenEffectSounds();
  return 0;
}
