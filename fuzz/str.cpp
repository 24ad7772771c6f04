// Str writes every number so that Val reads it back to the same value of its
// type; whole numbers below 1e15 in magnitude are plain digits, every other
// finite number has at most 9 (Single) or 17 (Double) significant digits.
#include <cmath>
#include <cstdlib>
#include <string>

#include "Fuzz.h"

namespace {

bool PlainDigits(const std::string& text) {
  const std::size_t first = !text.empty() && text[0] == '-' ? 1 : 0;
  return text.size() > first && text.find_first_not_of("0123456789", first) == std::string::npos;
}

int SignificantDigits(const std::string& text) {
  const std::string mantissa = text.substr(0, text.find('e'));
  const auto first = mantissa.find_first_of("123456789");
  if (first == std::string::npos) return 0;
  int count = 0;
  for (std::size_t i = first; i < mantissa.size(); ++i) count += mantissa[i] >= '0' && mantissa[i] <= '9';
  // Trailing zeros of a whole number are places, not significant digits.
  if (mantissa.find('.') == std::string::npos) {
    for (auto i = mantissa.size(); i > first && mantissa[i - 1] == '0'; --i) --count;
  }
  return count;
}

template <class F>
void CheckFloat(F value, int maxDigits) {
  const std::string text = fw::Str(value);
  const std::string what = "value " + std::to_string(static_cast<double>(value)) + " written \"" + text + "\"";
  if (std::isnan(value)) {
    FUZZ_CHECK(text == "nan", what);
    return;
  }
  if (std::isinf(value)) {
    FUZZ_CHECK(text == (value < 0 ? "-inf" : "inf"), what);
    return;
  }
  // Beyond 1e15 the shortest form may be plain digits too (the 21 characters of
  // "511269950541619200000" against "5.112699505416192e+20"), but only for a
  // whole number.
  const bool whole = value == std::trunc(value) && std::fabs(static_cast<double>(value)) < 1e15;
  if (whole) FUZZ_CHECK(PlainDigits(text), what);
  if (PlainDigits(text)) FUZZ_CHECK(value == std::trunc(value), what);
  if (whole) {
    // Exactly the digits of the whole number: compare with the C library.
    FUZZ_CHECK(std::strtod(text.c_str(), nullptr) == static_cast<double>(value), what);
    FUZZ_CHECK(text != "-0", what);
  } else {
    FUZZ_CHECK(SignificantDigits(text) <= maxDigits, what);
  }
  const double back = fw::Val(text);
  const F read = sizeof(F) == sizeof(float) ? static_cast<F>(fw::ToSingle(back)) : static_cast<F>(back);
  FUZZ_CHECK(read == value, what + " reads back as " + std::to_string(static_cast<double>(read)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  CheckFloat(std::bit_cast<double>(data.ConsumeIntegral<std::uint64_t>()), 17);
  CheckFloat(std::bit_cast<float>(data.ConsumeIntegral<std::uint32_t>()), 9);
  CheckFloat(fuzz::AnySingle(data), 9);

  const auto integer = data.ConsumeIntegral<fw::Integer>();
  FUZZ_CHECK(fw::Val(fw::Str(integer)) == integer, fw::Str(integer));
  const auto wide = data.ConsumeIntegral<std::int64_t>();
  FUZZ_CHECK(std::strtoll(fw::Str(wide).c_str(), nullptr, 10) == wide, fw::Str(wide));
  return 0;
}
