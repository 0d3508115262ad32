// The player steps: the numbers of the rope game, the keys, the hook and its
// sounds.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "PlayAssets.h"
#include "loop/GameState.h"
#include "player/FloatToInt.h"
#include "player/HookCell.h"
#include "player/InitPlayer.h"
#include "player/PlayerInput.h"
#include "player/PlayerPhysics.h"
#include "stage/StageMaps.h"

namespace {

RopePlayer Player(float x, float y, float vx, float vy, std::int16_t hookX, std::int16_t hookY,
                  std::int16_t ropeLength, std::int32_t attached) {
  RopePlayer p;
  p.x = x;
  p.y = y;
  p.vx = vx;
  p.vy = vy;
  p.hookX = hookX;
  p.hookY = hookY;
  p.ropeLength = ropeLength;
  p.attached = attached;
  return p;
}

RopePlayer StartRecord() {
  return Player(64.0f, 16.0f, 0.0f, 0.0f, 64, 16, 100, 0);
}

// One frame of play with the keys held.
RopePlayer Frame(RopePlayer player, const std::string& keys, std::int16_t stage = 0) {
  HoldKeys(keys);
  return PlayerPhysics(PlayerInput(player, stage));
}

// --- Pure numbers ----------------------------------------------------------------

TEST(FloatToIntTest, TruncatesTowardZeroAndNeverHitsUndefinedBehaviour) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    float value;
    std::int32_t expected;
  } cases[] = {
      {1.99f, 1},
      {-1.99f, -1},
      {-0.0f, 0},
      {2147483520.0f, 2147483520},  // the largest float below 2^31
      {-2147483648.0f, INT32_MIN},  // -2^31 itself is in range
      {2147483648.0f, INT32_MIN},
      {-2147483904.0f, INT32_MIN},
      {inf, INT32_MIN},
      {-inf, INT32_MIN},
      {nan, INT32_MIN},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TruncateToInt32(c.value), c.expected) << c.value;
  // Evaluated by the compiler, which rejects any undefined conversion.
  static_assert(TruncateToInt32(std::numeric_limits<float>::quiet_NaN()) == INT32_MIN);
  static_assert(TruncateToInt32(3.0e9f) == INT32_MIN && TruncateToInt32(-3.0e9f) == INT32_MIN);
  static_assert(TruncateToInt32(-2.5f) == -2);
  EXPECT_EQ(LowBits16(70000), 4464);
  EXPECT_EQ(LowBits16(-32769), 32767);
  EXPECT_EQ(Add16(32767, 1), -32768);
}

class PhysicsTest : public testing::Test {
 protected:
  void SetUp() override { GameState = GameStatePlaying; }
};

TEST_F(PhysicsTest, FallingFromRest) {
  RopePlayer player = PlayerPhysics(StartRecord());
  // 0.985f * 1.5 lies halfway between two floats and rounds to the even one.
  EXPECT_EQ(player.vy, 1.47749996185302734375f);
  EXPECT_NEAR(player.y, 17.4775f, 1e-5);
  int frame = 1;
  while (player.y <= 1920.0f && frame < 100) {
    EXPECT_EQ(GameState, GameStatePlaying) << "frame " << frame;
    player = PlayerPhysics(player);
    ++frame;
  }
  EXPECT_EQ(frame, 58);
  EXPECT_NEAR(player.y, 1952.88f, 0.01);
  EXPECT_NEAR(player.vy, 57.504f, 0.001);
  EXPECT_EQ(GameState, GameStateFellOut);
  for (int i = 0; i < 2000; ++i)
    player = PlayerPhysics(player);
  EXPECT_NEAR(player.vy, 98.5f, 0.01);  // the fall speed's limit
}

TEST_F(PhysicsTest, AFallAfterAGoalOrEscapeKeepsTheirCode) {
  for (std::int16_t state : {GameStateCleared, GameStateEscaped}) {
    GameState = state;
    PlayerPhysics(Player(64.0f, 1919.9f, 0.0f, 50.0f, 0, 0, 100, 0));
    EXPECT_EQ(GameState, state);
  }
}

struct PullCase {
  const char* name;
  RopePlayer before;
  float x, y, vx, vy;  // after one physics step
  float tolerance;
};

TEST_F(PhysicsTest, TheRopePullsOnlyBeyondItsLength) {
  const PullCase cases[] = {
      // dist 150, diff -40, f -4: vy -4, -2.5 after gravity, then damped.
      {"vertical", Player(100.0f, 150.0f, 0, 0, 100, 0, 110, 1), 100.0f, 147.5375f, 0.0f, -2.4625f,
       1e-5f},
      // dist 100, diff -10, f -1, shared out by |dx| + |dy| = 140.
      {"diagonal", Player(60.0f, 80.0f, 0, 0, 0, 0, 90, 1), 59.57786f, 80.91464f, -0.42214f,
       0.91464f, 1e-5f},
      // diff -200 would pull with 20; the pull stops at 7.
      {"limited", Player(0.0f, 300.0f, 0, 0, 0, 0, 100, 1), 0.0f, 294.5825f, 0.0f, -5.4175f, 1e-5f},
      {"slack", Player(0.0f, 50.0f, 0, 0, 0, 0, 100, 1), 0.0f, 51.4775f, 0.0f, 1.4775f, 1e-5f},
      {"on the hook", Player(10.0f, 10.0f, 0, 0, 10, 10, 0, 1), 10.0f, 11.4775f, 0.0f, 1.4775f,
       1e-5f},
      {"hook not holding", Player(0.0f, 300.0f, 0, 0, 0, 0, 100, 0), 0.0f, 301.4775f, 0.0f, 1.4775f,
       1e-5f},
  };
  for (const PullCase& c : cases) {
    SCOPED_TRACE(c.name);
    const RopePlayer after = PlayerPhysics(c.before);
    EXPECT_NEAR(after.x, c.x, c.tolerance);
    EXPECT_NEAR(after.y, c.y, c.tolerance);
    EXPECT_NEAR(after.vx, c.vx, c.tolerance);
    EXPECT_NEAR(after.vy, c.vy, c.tolerance);
    EXPECT_FALSE(std::isnan(after.vx) || std::isnan(after.vy));
  }
}

// --- The cell test ---------------------------------------------------------------

TEST(HookCellTest, CoordinatesBecomeCellsTowardZeroAndOutsideTheGridNothing) {
  const struct {
    std::int16_t stage, hookX, hookY;
    char expected;
  } cases[] = {
      {0, -31, 128, CellSolid},         // column 0 of row 4
      {0, 31, 128, CellSolid},          //
      {0, 32, 128, CellOpen},           // column 1
      {0, -32, 128, NoCellUnderHook},   //
      {0, 1279, 128, CellSolid},        // column 39
      {0, 1280, 128, NoCellUnderHook},  //
      {0, 64, -31, CellSolid},          // row 0
      {0, 64, -32, NoCellUnderHook},    //
      {0, 64, 959, CellOpen},           // row 29
      {0, 64, 960, NoCellUnderHook},    //
      {0, 24 * 32, 28 * 32, CellGoal},  //
      {3, 39 * 32, 29 * 32, CellGoal},  // the goal in the right-most column
      {6, 64, 0, NoCellUnderHook},      // no such stage
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CellUnderHook(c.stage, c.hookX, c.hookY), c.expected)
        << "stage " << c.stage << " at (" << c.hookX << ", " << c.hookY << ")";
  }
}

// --- The input step ----------------------------------------------------------------

using InputTest = PlayTest;

TEST_F(InputTest, ThePushIsOnlyForOneDeviceAlone) {
  const struct {
    const char* keys;
    bool joystickRight;
    float vx;
  } cases[] = {
      {"R", false, 0.2955f}, {"L", false, -0.2955f},
      {"LR", false, 0.0f},   {"R", true, 0.0f},  // keyboard and joystick together read 2
      {"", true, 0.2955f},
  };
  for (const auto& c : cases) {
    platform::sim::unplug_joystick();
    if (c.joystickRight) platform::sim::plug_joystick({65535, 32767, 0, 0});
    EXPECT_NEAR(Frame(StartRecord(), c.keys).vx, c.vx, 1e-6)
        << c.keys << (c.joystickRight ? " with the joystick right" : "");
  }
  platform::sim::unplug_joystick();
  RopePlayer player = StartRecord();
  for (int i = 0; i < 2000; ++i)
    player = Frame(player, "R");
  EXPECT_NEAR(player.vx, 19.7f, 0.01);  // the speed's limit
}

TEST_F(InputTest, DownAndUpChangeTheRopeWithinItsBounds) {
  const struct {
    std::int16_t before;
    const char* keys;  // fire held keeps the hook where it holds
    std::int16_t after;
  } cases[] = {
      {4, "FD", 0},     {0, "FD", 0},     {196, "FU", 200}, {200, "FU", 200},  {210, "FU", 210},
      {210, "FD", 202}, {202, "FU", 202}, {202, "FD", 194}, {150, "FUD", 150},  // both keys: the
                                                                                // stick reads 0
  };
  for (const auto& c : cases) {
    HoldKeys(c.keys);
    const RopePlayer player = Player(300.0f, 300.0f, 0, 0, 300, 200, c.before, 1);
    EXPECT_EQ(PlayerInput(player, 0).ropeLength, c.after) << c.before << " " << c.keys;
  }
  HoldKeys("FD");  // a hook that does not hold keeps its flight counter
  EXPECT_EQ(PlayerInput(Player(300.0f, 300.0f, 0, 0, 300, 200, 250, 0), 0).ropeLength, 250);
}

struct HookCase {
  const char* name;
  std::int16_t stage;
  RopePlayer before;  // fire held
  std::int16_t hookX, hookY, ropeLength;
  std::int32_t attached;
  std::int16_t gameState;
  std::vector<std::string> sounds;
};

TEST_F(InputTest, TheHookFliesRidesAndCatches) {
  const std::vector<HookCase> cases = {
      {"first shot from the start", 0, StartRecord(), 76, 4, 110, 1, 0, {"130.wav"}},
      {"vx 0 flies right",
       0,
       Player(200.5f, 200.0f, 0.0f, 0, 160, 200, 100, 0),
       172,
       188,
       110,
       0,
       0,
       {}},
      {"vx -0 flies right",
       0,
       Player(200.0f, 200.0f, -0.0f, 0, 160, 200, 100, 0),
       172,
       188,
       110,
       0,
       0,
       {}},
      {"vx below 0 flies left",
       0,
       Player(200.0f, 200.0f, -0.5f, 0, 160, 200, 100, 0),
       148,
       188,
       110,
       0,
       0,
       {}},
      {"velocity carries the hook",
       0,
       Player(200.0f, 200.0f, 3.7f, -2.9f, 160, 200, 100, 0),
       175,
       186,
       110,
       0,
       0,
       {}},
      {"the last flight frame",
       0,
       Player(200.0f, 200.0f, 0, 0, 160, 200, 200, 0),
       172,
       188,
       210,
       0,
       0,
       {}},
      {"riding after the flight",
       0,
       Player(200.0f, 200.0f, 3.7f, -2.9f, 160, 200, 210, 0),
       163,
       198,
       210,
       0,
       0,
       {}},
      {"a goal cell",
       0,
       Player(800.0f, 900.0f, 0, 0, 24 * 32, 28 * 32 + 12, 100, 0),
       24 * 32 + 12,
       28 * 32,
       110,
       1,
       GameStateCleared,
       {"131.wav"}},
      {"outside the grid",
       0,
       Player(0.0f, 100.0f, -20.0f, 0, -10, 100, 100, 0),
       -42,
       88,
       110,
       0,
       0,
       {}},
  };
  for (const HookCase& c : cases) {
    SCOPED_TRACE(c.name);
    GameState = GameStatePlaying;
    HoldKeys("F");
    const std::size_t logged = platform::sim::wave_log().size();
    const RopePlayer after = PlayerInput(c.before, c.stage);
    EXPECT_EQ(after.hookX, c.hookX);
    EXPECT_EQ(after.hookY, c.hookY);
    EXPECT_EQ(after.ropeLength, c.ropeLength);
    EXPECT_EQ(after.attached, c.attached);
    EXPECT_EQ(GameState, c.gameState);
    EXPECT_EQ(SoundsPlayedSince(logged), c.sounds);
  }
}

TEST_F(InputTest, EscapeComesFirstSoAGoalInTheSameFrameWins) {
  HoldKeys("FE");
  PlayerInput(Player(800.0f, 900.0f, 0, 0, 24 * 32, 28 * 32 + 12, 100, 0), 0);
  EXPECT_EQ(GameState, GameStateCleared);
  GameState = GameStatePlaying;
  HoldKeys("E");
  PlayerInput(StartRecord(), 0);
  EXPECT_EQ(GameState, GameStateEscaped);
}

TEST_F(InputTest, LettingGoSoundsOnceAndTheHookRestsByThePlayer) {
  const std::size_t logged = platform::sim::wave_log().size();
  RopePlayer player = Player(100.7f, 200.2f, 2.0f, 1.0f, 300, 40, 150, 1);
  HoldKeys("");
  player = PlayerInput(player, 0);
  EXPECT_EQ(player.attached, 0);
  EXPECT_EQ(player.hookX, 116);
  EXPECT_EQ(player.hookY, 216);
  EXPECT_EQ(player.ropeLength, 100);
  player = PlayerInput(player, 0);
  // A flight given up sounds nothing either.
  HoldKeys("F");
  player = PlayerInput(player, 0);
  HoldKeys("");
  PlayerInput(player, 0);
  EXPECT_EQ(SoundsPlayedSince(logged), std::vector<std::string>{"128.wav"});
}

}  // namespace
