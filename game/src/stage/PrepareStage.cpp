#include "stage/PrepareStage.h"

#include "QelLib.h"
#include "assets/SharedObjects.h"
#include "stage/DrawStage.h"

namespace {

// StageLabelImage: "STAGE" in the top half with an empty 32 x 32 slot at
// x 224; the large digits 0 to 9 in the bottom half, digit d at x 32d.
constexpr std::int16_t LabelDigitSlotX = 224;
constexpr std::int16_t LargeDigitsY = 32;
constexpr std::int16_t LargeDigitSize = 32;

void PutStageNumberInLabel(std::int16_t stage) {
  const std::int16_t shownNumber = static_cast<std::int16_t>(stage + 1);
  const _QelPS digit = {LargeDigitsY, static_cast<std::int16_t>(LargeDigitSize * shownNumber),
                        LargeDigitSize, LargeDigitSize};
  const _QelPS slot = {0, LabelDigitSlotX, LargeDigitSize, LargeDigitSize};
  StageLabelImage.Draw(QelDrawCopy, digit, &StageLabelImage, slot, 1.0f, 0);
}

}  // namespace

void PrepareStage(std::int16_t stage) {
  PutStageNumberInLabel(stage);
  DrawStage(stage);
}
