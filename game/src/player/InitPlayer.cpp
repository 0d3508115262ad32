#include "player/InitPlayer.h"

#include "assets/SharedObjects.h"
#include "player/RopeConstants.h"

namespace {

// Pictures in TileSheet, as {y, x, height, width}.
constexpr _QelPS FigureFacingRight = {32, 32, 64, 32};
constexpr _QelPS HookBall = {32, 0, 16, 16};

void SetUpSprite(QelSprite& sprite, _QelPS picture) {
  sprite.Set(QelDrawTrans, &TileSheet, &picture, &WorldImage, 1.0f, 0);
  sprite.eraseImage = &StageImage;
}

}  // namespace

RopePlayer InitPlayer(PlayerSprites& sprites) {
  SetUpSprite(sprites[PlayerFigureEntry], FigureFacingRight);
  SetUpSprite(sprites[HookBallEntry], HookBall);
  RopePlayer player;
  player.x = StartX;
  player.y = StartY;
  player.vx = 0.0f;
  player.vy = 0.0f;
  player.hookX = StartHookX;
  player.hookY = StartHookY;
  player.ropeLength = RestRopeLength;
  player.attached = 0;
  return player;
}
