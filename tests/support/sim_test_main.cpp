// The main of every test program that runs on the simulated desktop: it
// selects the backend before any test touches the platform.

#include <gtest/gtest.h>

#include "platform/backend.h"

int main(int argc, char** argv) {
  platform::use_backend(platform::Backend::sim);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
