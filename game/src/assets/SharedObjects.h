#pragma once

// The game's process-wide library objects. They are constructed before the
// program entry runs, in the order declared here, and destroyed after it
// returns in the reverse order; they are usable once LoadAssets succeeded.

#include "QelLib.h"

extern QelImage WorldImage;       // 1280 x 960: every frame is composed here
extern QelImage StageImage;       // 1280 x 960: the clean stage, source of every erase
extern QelImage TileSheet;        // "BMP128": map tiles, player figure, hook ball
extern QelImage FontSheet;        // "BMP129": 16 x 16 digits and capitals
extern QelImage TitleLogoImage;   // "BMP130": the title logo
extern QelImage HudImage;         // 160 x 16: the frame counter is drawn here
extern QelImage StageLabelImage;  // "BMP131": STAGE and the large digits
extern QelImage ClearImage;       // "BMP132": the stage-clear banner
extern QelImage GameOverImage;    // "BMP133": the game-over banner
extern QelImage EndingImage;      // 640 x 460: the ending's text sheet
extern QelImage ScreenImage;      // the window's client area

extern QelSprite HudSprite;      // HudImage into WorldImage at the view's corner
extern QelSprite ViewSprite;     // the 640 x 460 view of WorldImage onto the window
extern QelSprite RestoreSprite;  // all of StageImage over WorldImage

extern QelSoundChannel EffectChannel;
extern QelSoundChannel MusicChannel;

enum EffectSound { LetGoSound = 0, CatchSound = 1, GoalSound = 2 };
extern QelSound EffectSounds[3];  // "128.wav", "130.wav", "131.wav"

// The glyph sprites, each built the first time its drawing routine runs and
// destroyed at exit only if built: CharSprite first, then DigitSprite, both
// before the objects above.
QelSprite& DigitSprite();
QelSprite& CharSprite();
bool DigitSpriteBuilt();
bool CharSpriteBuilt();
