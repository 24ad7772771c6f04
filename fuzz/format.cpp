// Format with the value table's picture "-###.00" (and with longer decimal
// pictures): the digits of the correctly rounded value, as the C library's
// printf writes them, a minus sign only where the rounded value is not zero.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "Fuzz.h"

namespace {

// printf("%.*f"), which rounds the exact binary value, without "-0".
std::string Expected(double value, int decimals) {
  const int length = std::snprintf(nullptr, 0, "%.*f", decimals, value);
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
  std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, value);
  std::string text(buffer.data(), static_cast<std::size_t>(length));
  if (text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

void Check(double value, const std::string& picture, int decimals) {
  const std::string text = fw::Format(value, picture);
  const std::string what = "picture \"" + picture + "\", value " + fw::Str(value) + ": \"" + text + "\"";
  if (std::isnan(value)) {
    FUZZ_CHECK(text == "NaN", what);
  } else if (std::isinf(value)) {
    FUZZ_CHECK(text == (value < 0 ? "-∞" : "∞"), what);
  } else {
    FUZZ_CHECK(text == Expected(value, decimals), what + ", expected \"" + Expected(value, decimals) + "\"");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const double value = std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>());
  const double single = static_cast<double>(fuzz::AnySingle(data));  // the table formats Singles

  for (const double v : {value, single}) {
    Check(v, "-###.00", 2);
    const std::string text = fw::Format(v, "-###.00");
    if (std::isfinite(v)) {
      // Two decimals after one point, digits before it, never "-0.00".
      const auto point = text.find('.');
      FUZZ_CHECK(point != std::string::npos && point + 3 == text.size(), text);
      FUZZ_CHECK(text != "-0.00", text);
    }
  }

  // Any number of decimal places, far beyond the exact expansion too.
  const int decimals = data.ConsumeBool() ? data.ConsumeIntegralInRange(0, 12) : data.ConsumeIntegralInRange(0, 1200);
  const char place = data.ConsumeBool() ? '#' : '0';
  Check(value, "-###." + std::string(static_cast<std::size_t>(decimals), place), decimals);
  return 0;
}
