// Start-up of the window tests: the toolkit on the offscreen platform unless a
// platform is named, then every test.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Application.h"

// Under AddressSanitizer the window tests do not look for leaks: the system's
// font and display libraries keep their caches to the end of the process.
extern "C" const char* __asan_default_options();
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  ::testing::InitGoogleTest(&argc, argv);
  fw::EnsureToolkit();
  return RUN_ALL_TESTS();
}
