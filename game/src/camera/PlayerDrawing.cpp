#include "camera/PlayerDrawing.h"

#include "player/FloatToInt.h"

namespace {

// The two figures in TileSheet, 32 x 64 each, side by side at y 32.
constexpr std::int16_t FacingRightX = 32;
constexpr std::int16_t FacingLeftX = 64;
constexpr std::int16_t FigureY = 32;
constexpr std::int16_t FigureHalfWidth = 16;
constexpr std::int16_t HookBallHalfSize = 8;

// The figure follows the velocity, not the keys: swinging leftward on the
// rope, the player faces left.
void ChooseFacing(QelSprite& figure, float vx) {
  if (vx >= 0.0f) {
    figure.srcRect.x = FacingRightX;
  } else if (vx < 0.0f) {
    figure.srcRect.x = FacingLeftX;
  }
  figure.srcRect.y = FigureY;
}

}  // namespace

void ErasePlayer(PlayerSprites& sprites) {
  sprites[PlayerFigureEntry].Erase();
  sprites[HookBallEntry].Erase();
}

void DrawPlayer(RopePlayer player, PlayerSprites& sprites) {
  QelSprite& figure = sprites[PlayerFigureEntry];
  ChooseFacing(figure, player.vx);
  figure.posRect.x = Add16(LowBits16(TruncateToInt32(player.x)), -FigureHalfWidth);
  figure.posRect.y = LowBits16(TruncateToInt32(player.y));
  figure.Draw();
  QelSprite& ball = sprites[HookBallEntry];
  ball.posRect.x = Add16(player.hookX, -HookBallHalfSize);
  ball.posRect.y = Add16(player.hookY, -HookBallHalfSize);
  ball.Draw();
}
