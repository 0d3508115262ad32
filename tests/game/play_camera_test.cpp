// The view that follows the player, and the figure, the hook ball and the
// counter drawn into the world and taken out again.

#include <gtest/gtest.h>

#include <limits>

#include "PlayAssets.h"
#include "camera/PlayerDrawing.h"
#include "camera/View.h"
#include "player/InitPlayer.h"
#include "player/PlayerInput.h"
#include "player/PlayerPhysics.h"
#include "stage/PrepareStage.h"

namespace {

TEST(ViewOriginTest, FollowsThePlayerInProportionAndStaysInTheWorld) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const struct {
    float x, y;
    std::int32_t viewX, viewY;
  } cases[] = {
      {64.0f, 16.0f, 32, 8},        // the start
      {100.0f, 100.0f, 51, 55},     //
      {640.0f, 480.0f, 328, 267},   //
      {1248.0f, 896.0f, 640, 500},  // the far corner
      {3000.0f, 2500.0f, 640, 500},
      {1.99f, 1.99f, 0, 0},        // trunc 1 and below give 0
      {2.0f, 2.0f, 1, 1},          //
      {-32768.0f, -500.0f, 0, 0},  //
      {nan, nan, 0, 0},            //
  };
  for (const auto& c : cases) {
    const ViewOrigin origin = ViewOriginFor(c.x, c.y);
    EXPECT_EQ(origin.x, c.viewX) << c.x;
    EXPECT_EQ(origin.y, c.viewY) << c.y;
  }
}

RopePlayer At(float x, float y, float vx, std::int16_t hookX, std::int16_t hookY) {
  RopePlayer p;
  p.x = x;
  p.y = y;
  p.vx = vx;
  p.hookX = hookX;
  p.hookY = hookY;
  p.ropeLength = 100;
  return p;
}

class CameraTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    PrepareStage(0);
    player = InitPlayer(sprites);
  }

  PlayerSprites sprites;
  RopePlayer player;
};

TEST_F(CameraTest, TheFigureFacesTheWayThePlayerMoves) {
  const struct {
    float vx;
    std::int16_t pictureX;
  } cases[] = {{0.0f, 32}, {-0.0f, 32}, {3.0f, 32}, {-0.0001f, 64}};
  for (const auto& c : cases) {
    DrawPlayer(At(300.0f, 300.0f, c.vx, 300, 300), sprites);
    EXPECT_EQ(sprites[PlayerFigureEntry].srcRect.x, c.pictureX) << c.vx;
    EXPECT_EQ(sprites[PlayerFigureEntry].srcRect.y, 32);
    ErasePlayer(sprites);
  }
}

TEST_F(CameraTest, TheStartDrawsFigureBallAndViewWhereTheyBelong) {
  DrawPlayer(player, sprites);
  UpdateView(player, 0);
  const _QelPS& figure = sprites[PlayerFigureEntry].posRect;
  const _QelPS& ball = sprites[HookBallEntry].posRect;
  EXPECT_EQ(figure.x, 48);
  EXPECT_EQ(figure.y, 16);
  EXPECT_EQ(ball.x, 56);
  EXPECT_EQ(ball.y, 8);
  EXPECT_EQ(ViewSprite.srcRect.x, 32);
  EXPECT_EQ(ViewSprite.srcRect.y, 8);
  // The window shows the view of the world, the counter in its corner.
  for (int y = 0; y < 460; y += 3) {
    for (int x = 0; x < 640; x += 3) {
      const std::uint8_t* world = PixelOf(WorldImage, 32 + x, 8 + y);
      ASSERT_EQ(platform::sim::screen_pixel(x, y),
                platform::make_colour(world[2], world[1], world[0]))
          << x << ", " << y;
    }
  }
  for (int y = 0; y < 16; ++y) {
    for (int x = 144; x < 160; ++x) {
      const std::uint8_t* digit = PixelOf(FontSheet, x - 144, y);  // "0"
      if (IsWhite(digit)) continue;
      EXPECT_EQ(platform::sim::screen_pixel(x, y),
                platform::make_colour(digit[2], digit[1], digit[0]));
    }
  }
}

TEST_F(CameraTest, TheCounterLiesOverTheBallAndTheBallOverTheFigure) {
  // The figure, the ball and the counter's last digit all cover world pixels
  // 176 to 191 across and 8 to 23 down.
  const RopePlayer overlapping = At(192.0f, 0.0f, 0.0f, 184, 16);
  DrawPlayer(overlapping, sprites);
  UpdateView(At(64.0f, 16.0f, 0.0f, 0, 0), 0);  // view origin (32, 8): the digit at 176
  for (int y = 8; y < 24; ++y) {
    for (int x = 176; x < 192; ++x) {
      const std::uint8_t* hud = PixelOf(HudImage, x - 32, y - 8);
      const std::uint8_t* ball = PixelOf(TileSheet, x - 176, 32 + y - 8);
      const std::uint8_t* figure = PixelOf(TileSheet, 32 + x - 176, 32 + y);
      const std::uint8_t* expected = !IsWhite(hud)      ? hud
                                     : !IsWhite(ball)   ? ball
                                     : !IsWhite(figure) ? figure
                                                        : PixelOf(StageImage, x, y);
      ASSERT_TRUE(SamePixel(PixelOf(WorldImage, x, y), expected)) << x << ", " << y;
    }
  }
}

TEST_F(CameraTest, ErasingRestoresExactlyTheLastDrawnRectangles) {
  const RopePlayer places[] = {At(64.0f, 16.0f, 0.0f, 80, 32), At(700.5f, 480.9f, -2.0f, 650, 300),
                               At(5.0f, -20.0f, 1.0f, -3, 2), At(1270.0f, 940.0f, 0.0f, 1279, 959)};
  for (const RopePlayer& place : places) {
    DrawPlayer(place, sprites);
    UpdateView(place, 1234);
    EXPECT_FALSE(SameImage(WorldImage, StageImage));
    EraseHud();
    ErasePlayer(sprites);
    EXPECT_TRUE(SameImage(WorldImage, StageImage)) << place.x << ", " << place.y;
  }
}

TEST_F(CameraTest, TheRestingBallTrailsTheFigureByOneFrame) {
  player.vx = 6.0f;
  const float xBefore = player.x;
  HoldKeys("");
  player = PlayerPhysics(PlayerInput(player, 0));
  DrawPlayer(player, sprites);
  EXPECT_EQ(sprites[HookBallEntry].posRect.x, static_cast<int>(xBefore) + 16 - 8);
  EXPECT_EQ(sprites[PlayerFigureEntry].posRect.x, static_cast<int>(player.x) - 16);
  EXPECT_NE(static_cast<int>(player.x), static_cast<int>(xBefore));
}

}  // namespace
