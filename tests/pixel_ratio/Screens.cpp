// The three screens the ratio tests run on, set before main makes the
// application, so that the program runs alike by hand and under CTest. A
// platform other than the plain offscreen one is left as it is named.
#include <cstdlib>
#include <string_view>

namespace {

[[maybe_unused]] const bool kScreensSet = [] {
  const char* platform = std::getenv("QT_QPA_PLATFORM");
  if (platform == nullptr || std::string_view(platform) == "offscreen") {
    setenv("QT_QPA_PLATFORM", "offscreen:configfile=" QUENLO_RATIO_SCREENS, 1);
  }
  return true;
}();

}  // namespace
