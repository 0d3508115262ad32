// A game controller as joystick 0, through SDL's controller mapping and the
// event pump; the controller is one SDL itself provides for tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "platform/input.h"
#include "sdl/testing/sdl_fake_devices.h"

namespace {

using platform::JoystickState;
using platform::testing::FakePad;
using platform::testing::PadControl;
using platform::testing::PadStick;
using platform::testing::pump_events;

struct Reading {
  int result;
  JoystickState state;
};

Reading read_pad(unsigned index = 0) {
  Reading reading{};
  reading.result = platform::read_joystick(index, &reading.state);
  return reading;
}

TEST(Pad, NoneReadsAsUnpluggedAndOnlyJoystickZeroExists) {
  pump_events();
  EXPECT_EQ(read_pad(0).result, platform::kJoystickUnplugged);
  FakePad pad;
  ASSERT_TRUE(pad.plugged());
  pump_events();
  EXPECT_EQ(read_pad(1).result, platform::kJoystickBadIndex);
  EXPECT_EQ(read_pad(0).result, platform::kJoystickOk);
}

TEST(Pad, StickDpadAndFaceButtonsReadAsTheJoystick) {
  FakePad pad;
  ASSERT_TRUE(pad.plugged());
  const struct {
    const char* what;
    std::int16_t stick_x;
    std::int16_t stick_y;
    PadControl held;  // start: none of the mapped controls
    std::uint32_t x;
    std::uint32_t y;
    std::uint32_t buttons;
  } cases[] = {
      {"centred", 0, 0, PadControl::start, 32768, 32768, 0},
      {"stick up left", -32768, -32768, PadControl::start, 0, 0, 0},
      {"stick down right", 32767, 32767, PadControl::start, 65535, 65535, 0},
      {"stick a little right", 1100, -1100, PadControl::start, 33868, 31668, 0},
      {"D-pad left over stick right", 32767, 0, PadControl::dpad_left, 0, 32768, 0},
      {"D-pad right", 0, 0, PadControl::dpad_right, 65535, 32768, 0},
      {"D-pad up", 0, 0, PadControl::dpad_up, 32768, 0, 0},
      {"D-pad down over stick up", 0, -32768, PadControl::dpad_down, 32768, 65535, 0},
      {"A", 0, 0, PadControl::a, 32768, 32768, 1},
      {"B", 0, 0, PadControl::b, 32768, 32768, 2},
      {"X", 0, 0, PadControl::x, 32768, 32768, 4},
      {"Y", 0, 0, PadControl::y, 32768, 32768, 8},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    pad.set(PadStick::left_x, c.stick_x);
    pad.set(PadStick::left_y, c.stick_y);
    pad.set(c.held, true);
    pump_events();
    const Reading reading = read_pad();
    ASSERT_EQ(reading.result, platform::kJoystickOk);
    EXPECT_EQ(reading.state.x, c.x);
    EXPECT_EQ(reading.state.y, c.y);
    EXPECT_EQ(reading.state.buttons, c.buttons);
    pad.set(c.held, false);
  }
}

TEST(Pad, ButtonsHeldTogetherAddUp) {
  FakePad pad;
  pad.set(PadControl::a, true);
  pad.set(PadControl::x, true);
  pump_events();
  EXPECT_EQ(read_pad().state.buttons, 5u);
  pad.set(PadControl::a, false);
  pump_events();
  EXPECT_EQ(read_pad().state.buttons, 4u);
}

TEST(Pad, PlugsAndPullsWhileRunningArePickedUp) {
  auto first = std::make_unique<FakePad>();
  first->set(PadControl::b, true);  // held before the program sees the pad
  pump_events();
  EXPECT_EQ(read_pad().result, platform::kJoystickOk);
  EXPECT_EQ(read_pad().state.buttons, 2u);

  FakePad second;
  second.set(PadControl::y, true);
  pump_events();
  EXPECT_EQ(read_pad().state.buttons, 2u) << "the first pad stays joystick 0";

  first.reset();  // pulled out: the pad still plugged in takes over
  pump_events();
  EXPECT_EQ(read_pad().result, platform::kJoystickOk);
  EXPECT_EQ(read_pad().state.buttons, 8u);

  second.pull_out();
  pump_events();
  EXPECT_EQ(read_pad().result, platform::kJoystickUnplugged);
}

}  // namespace
