// All process-wide library objects live in this one file, so that their
// construction and destruction follow the order of their definitions here.

#include "assets/SharedObjects.h"

#include <new>

QelImage WorldImage;
QelImage StageImage;
QelImage TileSheet;
QelImage FontSheet;
QelImage TitleLogoImage;
QelImage HudImage;
QelImage StageLabelImage;
QelImage ClearImage;
QelImage GameOverImage;
QelImage EndingImage;
QelImage ScreenImage;
QelSprite HudSprite;
QelSprite ViewSprite;
QelSprite RestoreSprite;
QelSoundChannel EffectChannel;
QelSoundChannel MusicChannel;
QelSound EffectSounds[3];

namespace {

// A sprite that is constructed on first use and destroyed on request.
class LazySprite {
 public:
  QelSprite& Get() {
    if (!built_) {
      new (storage_) QelSprite();
      built_ = true;
    }
    return *std::launder(reinterpret_cast<QelSprite*>(storage_));
  }
  bool Built() const { return built_; }
  void DestroyIfBuilt() {
    if (!built_) return;
    std::launder(reinterpret_cast<QelSprite*>(storage_))->~QelSprite();
    built_ = false;
  }

 private:
  alignas(QelSprite) unsigned char storage_[sizeof(QelSprite)];
  bool built_ = false;
};

LazySprite DigitSpriteStorage;
LazySprite CharSpriteStorage;

// Defined last, so destroyed first: the glyph sprites go before every other
// object of this file, CharSprite before DigitSprite.
struct GlyphSpritesAtExit {
  ~GlyphSpritesAtExit() {
    CharSpriteStorage.DestroyIfBuilt();
    DigitSpriteStorage.DestroyIfBuilt();
  }
} GlyphSpritesReaper;

}  // namespace

QelSprite& DigitSprite() {
  return DigitSpriteStorage.Get();
}
QelSprite& CharSprite() {
  return CharSpriteStorage.Get();
}
bool DigitSpriteBuilt() {
  return DigitSpriteStorage.Built();
}
bool CharSpriteBuilt() {
  return CharSpriteStorage.Built();
}
