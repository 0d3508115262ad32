// Keyboard and joystick polling.

#include "LibraryFixture.h"
#include "platform/sim.h"

namespace {

using platform::Key;

class InputTest : public LibraryTest {
 protected:
  void Press(std::initializer_list<Key> keys) {
    for (Key key : keys)
      platform::sim::set_key(key, true);
  }
  void Joystick(std::uint32_t x, std::uint32_t y, std::uint32_t buttons = 0) {
    platform::JoystickState state;
    state.x = x;
    state.y = y;
    state.buttons = buttons;
    platform::sim::plug_joystick(state);
  }
};

TEST_F(InputTest, NothingPressedReadsZero) {
  EXPECT_EQ(QelGetStickX(1, 0), 0);
  EXPECT_EQ(QelGetStickY(1, 0), 0);
  EXPECT_EQ(QelGetButton(0), 0);
}

TEST_F(InputTest, KeyboardAndJoystickAddUp) {
  struct Case {
    const char* what;
    std::initializer_list<Key> keys;
    bool joystick;
    std::uint32_t x, y;
    int stick_x, stick_y;
  } cases[] = {
      {"right alone", {Key::right}, false, 0, 0, 1, 0},
      {"both arrows", {Key::right, Key::left}, false, 0, 0, 0, 0},
      {"up and down", {Key::up}, false, 0, 0, 0, -1},
      {"down", {Key::down}, false, 0, 0, 0, 1},
      {"right with the stick right", {Key::right}, true, 65535, 32767, 2, 0},
      {"dead zone's upper edge", {}, true, 33791, 33791, 0, 0},
      {"just past it", {}, true, 33792, 33792, 1, 1},
      {"dead zone's lower edge", {}, true, 31743, 31743, 0, 0},
      {"just below it", {}, true, 31742, 31742, -1, -1},
      {"up on both", {Key::up}, true, 32767, 0, 0, -2},
  };
  for (const Case& c : cases) {
    platform::sim::reset();
    Press(c.keys);
    if (c.joystick) Joystick(c.x, c.y);
    EXPECT_EQ(QelGetStickX(1, 0), c.stick_x) << c.what;
    EXPECT_EQ(QelGetStickY(1, 0), c.stick_y) << c.what;
    EXPECT_EQ(LibraryState.stickX, c.stick_x) << c.what;
  }
}

TEST_F(InputTest, ButtonsAreBits) {
  Press({Key::space, Key::escape});
  EXPECT_EQ(QelGetButton(0), 0x81);
  platform::sim::reset();
  Joystick(32767, 32767, 0x1 | 0x4 | 0x10);  // buttons 1, 3 and 5: only the first four count
  EXPECT_EQ(QelGetButton(0), 0x05);
  Joystick(32767, 32767, 0x1);
  Press({Key::space});
  EXPECT_EQ(QelGetButton(0), 0x01);  // Space and button 1 are the same fire button
  platform::sim::unplug_joystick();
  EXPECT_EQ(QelGetButton(0), 0x01);  // no joystick: the keyboard alone
  EXPECT_EQ(QelGetButton(1), 0x01);
}

TEST_F(InputTest, KeysReadReleasedWithoutFocus) {
  Press({Key::right, Key::space});
  platform::sim::set_focus(false);
  EXPECT_EQ(QelGetStickX(1, 0), 0);
  EXPECT_EQ(QelGetButton(0), 0);
}

}  // namespace
