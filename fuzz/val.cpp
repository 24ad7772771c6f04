// Val against the C library: the leading number of any text, cut out by the
// syntax Val documents, must read to the very same Double as strtod reads it
// (correct rounding, however many digits; ±infinity beyond the range, ±0 and
// subnormals at the low end).
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "Fuzz.h"

namespace {

bool Digit(char c) { return c >= '0' && c <= '9'; }

// The leading number as Val's syntax describes it: blanks, a sign, digits
// with an optional fraction (at least one digit in all), an optional exponent
// of "e" or "E", a sign and at least one digit. Empty when there is none.
std::string LeadingNumber(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return {};
  const std::size_t begin = i;
  if (text[i] == '+' || text[i] == '-') ++i;
  const std::size_t mantissa = i;
  while (i < text.size() && Digit(text[i])) ++i;
  bool digits = i > mantissa;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fraction = ++i;
    while (i < text.size() && Digit(text[i])) ++i;
    digits = digits || i > fraction;
  }
  if (!digits) return {};
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponent = j;
    while (j < text.size() && Digit(text[j])) ++j;
    if (j > exponent) i = j;
  }
  return std::string(text.substr(begin, i - begin));
}

// The hardest texts to round: the exact half between a Double and the next
// one up, hundreds of digits long, which goes to the even neighbour, and the
// same half followed far behind by one more digit, which goes up. The long
// double holds that half exactly (64 bits of mantissa), and printf writes
// every digit of it.
void CheckHalfway(double below) {
  below = std::fabs(below);
  if (!std::isfinite(below)) return;
  // Above the largest Double the next step would be 2^1024: its half and
  // beyond round to infinity.
  const double above = std::nextafter(below, INFINITY);
  const long double next = std::isfinite(above) ? static_cast<long double>(above) : std::ldexp(1.0L, 1024);
  const long double half = (static_cast<long double>(below) + next) / 2;
  char buffer[1200];
  std::snprintf(buffer, sizeof buffer, "%.1100Le", half);
  std::string tie = buffer;
  const auto e = tie.find('e');
  const bool belowIsEven = (std::bit_cast<std::uint64_t>(below) & 1) == 0;
  FUZZ_CHECK(fuzz::SameBits(fw::Val(tie), belowIsEven ? below : above), "half above " + fw::Str(below));
  const std::string beyond = tie.substr(0, e) + "1" + tie.substr(e);
  FUZZ_CHECK(fuzz::SameBits(fw::Val(beyond), above), "just beyond the half above " + fw::Str(below));
  FUZZ_CHECK(fuzz::SameBits(fw::Val("-" + beyond), -above), "just beyond the half below " + fw::Str(-below));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const double value = fw::Val(text);
  const std::string number = LeadingNumber(text);
  // The process runs in the "C" locale, so strtod's decimal point is ".".
  const double expected = number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
  FUZZ_CHECK(fuzz::SameBits(value, expected), "text \"" + number.substr(0, 200) + "\" (" +
                                                  std::to_string(number.size()) + " characters): Val " +
                                                  fw::Str(value) + ", strtod " + fw::Str(expected));
  // What follows the number does not change it.
  if (!number.empty()) FUZZ_CHECK(fuzz::SameBits(fw::Val(number), value), "the number alone");

  if (size >= sizeof(double)) {
    double below = 0;
    std::memcpy(&below, bytes, sizeof below);
    CheckHalfway(below);
  }
  return 0;
}
