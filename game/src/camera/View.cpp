#include "camera/View.h"

#include "assets/SharedObjects.h"
#include "font/HudCounter.h"
#include "player/FloatToInt.h"

namespace {

// The player's range that maps onto the view's: the world less the figure's
// width (1280 - 32) and height (960 - 64).
constexpr std::int32_t PlayerRangeX = 1248;
constexpr std::int32_t PlayerRangeY = 896;
constexpr std::int32_t ViewRangeX = 640;  // 1280 - the view's 640
constexpr std::int32_t ViewRangeY = 500;  // 960 - the view's 460

std::int32_t Clamped(std::int32_t value, std::int32_t highest) {
  if (value < 0) return 0;
  return value > highest ? highest : value;
}

std::int32_t ViewCoordinate(float position, std::int32_t playerRange, std::int32_t viewRange) {
  const std::int32_t shown = LowBits16(TruncateToInt32(position));
  return Clamped(shown * viewRange / playerRange, viewRange);
}

}  // namespace

ViewOrigin ViewOriginFor(float x, float y) {
  return {ViewCoordinate(x, PlayerRangeX, ViewRangeX), ViewCoordinate(y, PlayerRangeY, ViewRangeY)};
}

void EraseHud() {
  HudSprite.Erase();
}

void UpdateView(RopePlayer player, std::int16_t frameCount) {
  const ViewOrigin origin = ViewOriginFor(player.x, player.y);
  const std::int16_t viewX = static_cast<std::int16_t>(origin.x);
  const std::int16_t viewY = static_cast<std::int16_t>(origin.y);
  ViewSprite.srcRect.x = viewX;
  ViewSprite.srcRect.y = viewY;
  DrawHudCounter(frameCount, viewX, viewY);
  ViewSprite.Draw();
}
