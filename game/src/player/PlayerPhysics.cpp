#include "player/PlayerPhysics.h"

#include <cmath>
#include <limits>

#include "loop/GameState.h"
#include "player/RopeConstants.h"

namespace {

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the rope arithmetic needs the x87 extended format");

Extended Wide(float value) {
  return static_cast<Extended>(value);
}
Extended Wide(std::int16_t value) {
  return static_cast<Extended>(value);
}
float Stored(Extended value) {
  return static_cast<float>(value);
}

// The rope never pushes: it pulls only while the player is farther from the
// hook than the rope is long, by a tenth of the overshoot and at most 7. The
// direction is divided by |dx| + |dy|, not by the distance, so a diagonal rope
// pulls with about 0.707 of the force of a straight one.
RopePlayer PullTowardHook(RopePlayer player) {
  const float dx = Stored(Wide(player.x) - Wide(player.hookX));
  const float dy = Stored(Wide(player.y) - Wide(player.hookY));
  const Extended squares = Wide(dx) * Wide(dx) + Wide(dy) * Wide(dy);
  const float dist = static_cast<float>(std::sqrt(static_cast<double>(squares)));
  const float diff = Stored(Wide(player.ropeLength) - Wide(dist));
  // Also a player lying on the hook (dist 0) ends here, as the rope is never
  // shorter than 0.
  if (diff >= 0.0f) return player;
  float f = Stored(Wide(diff) * PullFactor);
  if (f < PullLimit) f = PullLimit;
  const float ax = std::fabs(dx);
  const float ay = std::fabs(dy);
  player.vx = Stored(Wide(player.vx) + Wide(dx) * Wide(f) / (Wide(ax) + Wide(ay)));
  player.vy = Stored(Wide(player.vy) + Wide(dy) * Wide(f) / (Wide(ax) + Wide(ay)));
  return player;
}

}  // namespace

RopePlayer PlayerPhysics(RopePlayer player) {
  if (player.attached == 1) player = PullTowardHook(player);
  player.vy = Stored(Wide(player.vy) + Wide(Gravity));
  player.vx = Stored(Wide(Damping) * Wide(player.vx));
  player.vy = Stored(Wide(Damping) * Wide(player.vy));
  player.x = Stored(Wide(player.x) + Wide(player.vx));
  player.y = Stored(Wide(player.y) + Wide(player.vy));
  // A fall during the clear banner or after Escape changes nothing.
  if (player.y > FallLine && GameState == GameStatePlaying) GameState = GameStateFellOut;
  return player;
}
