// The backend tests run on the real desktop's backend.

#include <gtest/gtest.h>

#include "platform/backend.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  platform::use_backend(platform::Backend::sdl);
  return RUN_ALL_TESTS();
}
