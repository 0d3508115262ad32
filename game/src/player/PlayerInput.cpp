#include "player/PlayerInput.h"

#include "QelLib.h"
#include "assets/SharedObjects.h"
#include "loop/GameState.h"
#include "player/FloatToInt.h"
#include "player/HookCell.h"
#include "player/RopeConstants.h"
#include "stage/StageMaps.h"

namespace {

// The keyboard and joystick 0 together; a stick reads exactly 1 or -1 only
// when one device alone points that way.
constexpr int Joystick = 0;
constexpr int StickPositive = 1;
constexpr int StickNegative = -1;

bool EscapeHeld() {
  return (QelGetButton(Joystick) & EscapeButtonBit) != 0;
}
bool FireHeld() {
  return (QelGetButton(Joystick) & FireButtonBit) != 0;
}
int StickX() {
  return QelGetStickX(1, Joystick);
}
int StickY() {
  return QelGetStickY(1, Joystick);
}

// A new effect cuts off the one still playing.
void PlayEffect(EffectSound sound) {
  EffectChannel.Play(&EffectSounds[sound], 1);
}

float Push(float vx, float change) {
  return static_cast<float>(static_cast<long double>(vx) + static_cast<long double>(change));
}

std::int16_t ShortenedRope(std::int16_t length) {
  length = Add16(length, -RopeStep);
  return length <= ShortestRope ? ShortestRope : length;
}

std::int16_t LengthenedRope(std::int16_t length) {
  length = Add16(length, RopeStep);
  return length > LongestRope ? LongestRope : length;
}

// Down shortens the rope and Up lengthens it, while the hook holds.
RopePlayer ChangeRopeLength(RopePlayer player) {
  if (player.attached == 1 && StickY() == StickPositive && player.ropeLength >= ShortestRope) {
    player.ropeLength = ShortenedRope(player.ropeLength);
  }
  if (player.attached == 1 && StickY() == StickNegative && player.ropeLength <= LongestRope) {
    player.ropeLength = LengthenedRope(player.ropeLength);
  }
  return player;
}

// With the fire button up the hook lies by the player, ready for the next
// shot; a hook that held lets go.
RopePlayer RestHook(RopePlayer player) {
  if (player.attached == 1) PlayEffect(LetGoSound);
  player.hookX = Add16(LowBits16(TruncateToInt32(player.x)), HookRestOffset);
  player.hookY = Add16(LowBits16(TruncateToInt32(player.y)), HookRestOffset);
  player.ropeLength = RestRopeLength;
  player.attached = 0;
  return player;
}

// The hook flies up and to the side the player is moving to until the flight
// counter passes its limit; after that it rides along with the player.
RopePlayer MoveHook(RopePlayer player) {
  const std::int16_t carriedX = LowBits16(TruncateToInt32(player.vx));
  const std::int16_t carriedY = LowBits16(TruncateToInt32(player.vy));
  player.hookX = Add16(player.hookX, carriedX);
  player.hookY = Add16(player.hookY, carriedY);
  if (player.ropeLength > FlightLimit) return player;
  if (player.vx >= 0.0f) {
    player.hookX = Add16(player.hookX, HookSpeed);
  } else if (player.vx < 0.0f) {
    player.hookX = Add16(player.hookX, -HookSpeed);
  }
  player.hookY = Add16(player.hookY, -HookSpeed);
  player.ropeLength = Add16(player.ropeLength, FlightCounterStep);
  return player;
}

// The hook catches on every cell that is not open; on a goal cell the stage
// is cleared.
RopePlayer CatchOnCell(RopePlayer player, std::int16_t stage) {
  const char cell = CellUnderHook(stage, player.hookX, player.hookY);
  if (cell == NoCellUnderHook || cell == CellOpen) return player;
  if (cell == CellGoal) {
    PlayEffect(GoalSound);
    GameState = GameStateCleared;
  } else {
    PlayEffect(CatchSound);
  }
  player.attached = 1;
  return player;
}

}  // namespace

RopePlayer PlayerInput(RopePlayer player, std::int16_t stage) {
  // Escape ends the stage after this frame; the frame itself goes on.
  if (EscapeHeld()) GameState = GameStateEscaped;
  if (StickX() == StickPositive) player.vx = Push(player.vx, PushPerFrame);
  if (StickX() == StickNegative) player.vx = Push(player.vx, -PushPerFrame);
  player = ChangeRopeLength(player);
  if (!FireHeld()) return RestHook(player);
  if (player.attached != 0) return player;  // the hook stays where it caught
  return CatchOnCell(MoveHook(player), stage);
}
