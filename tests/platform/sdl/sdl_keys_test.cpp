// Key and focus events, as the display delivers them, through the event pump
// into what the game thread reads.

#include <gtest/gtest.h>

#include <string>

#include "platform/input.h"
#include "sdl/testing/sdl_fake_devices.h"

namespace {

using platform::Key;
using platform::testing::press_key;
using platform::testing::pump_events;
using platform::testing::set_keyboard_focus;

constexpr Key kKeys[] = {Key::left, Key::right, Key::up, Key::down, Key::space, Key::escape};

// The keys that read as held, in kKeys order: "left right" and so on.
std::string held() {
  constexpr const char* kNames[] = {"left", "right", "up", "down", "space", "escape"};
  std::string names;
  for (int i = 0; i < 6; ++i) {
    if (platform::key_down(kKeys[i]))
      names += names.empty() ? kNames[i] : std::string(" ") + kNames[i];
  }
  return names;
}

class Keys : public ::testing::Test {
 protected:
  void SetUp() override {
    set_keyboard_focus(true);
    pump_events();
  }
  void TearDown() override {
    set_keyboard_focus(false);  // releases whatever a test left held
    pump_events();
  }
};

TEST_F(Keys, EachGameKeyReadsHeldFromItsPressToItsRelease) {
  // SDL's own names for the keys, so the table does not repeat our mapping.
  const struct {
    const char* sdl_name;
    const char* reads;
  } cases[] = {{"Left", "left"}, {"Right", "right"}, {"Up", "up"},
               {"Down", "down"}, {"Space", "space"}, {"Escape", "escape"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sdl_name);
    press_key(c.sdl_name, true);
    pump_events();
    EXPECT_EQ(held(), c.reads);
    press_key(c.sdl_name, false);
    pump_events();
    EXPECT_EQ(held(), "");
  }
}

TEST_F(Keys, HeldKeysAddUpAndOtherKeysChangeNothing) {
  press_key("Left", true);
  press_key("Space", true);
  press_key("A", true);
  press_key("Return", true);
  pump_events();
  EXPECT_EQ(held(), "left space");
  press_key("Left", false);
  pump_events();
  EXPECT_EQ(held(), "space");
}

TEST_F(Keys, WithoutFocusEveryKeyReadsReleased) {
  press_key("Right", true);
  pump_events();
  set_keyboard_focus(false);
  pump_events();
  EXPECT_EQ(held(), "");

  // Its release went to another window: back in focus, the key is not stuck.
  set_keyboard_focus(true);
  pump_events();
  EXPECT_EQ(held(), "");
  press_key("Up", true);
  pump_events();
  EXPECT_EQ(held(), "up");
}

TEST(KeysBeforeFocus, ReadReleased) {
  press_key("Space", true);
  pump_events();
  EXPECT_FALSE(platform::key_down(Key::space));
}

}  // namespace
