// Start-up of the window tests: the toolkit on the offscreen platform unless a
// platform is named, then every test.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Application.h"

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  fw::EnsureToolkit();
  return RUN_ALL_TESTS();
}
