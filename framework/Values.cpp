#include "Values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace fw {

Color RGB(Integer red, Integer green, Integer blue) {
  auto clamp = [](Integer v) { return static_cast<std::uint8_t>(std::clamp<Integer>(v, 0, 255)); };
  return Color{clamp(red), clamp(green), clamp(blue)};
}

// ---- Val ----------------------------------------------------------------------

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Double Val(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n && (text[i] == ' ' || text[i] == '\t')) ++i;

  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  const std::size_t start = i;  // first character of the unsigned number
  std::size_t digits = 0;
  while (i < n && IsDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return 0.0;
  std::size_t end = i;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < n && IsDigit(text[j])) {
      while (j < n && IsDigit(text[j])) ++j;
      end = j;
    }
  }

  // The span [start, end) is now a plain decimal number, which from_chars
  // reads exactly and without regard to the locale.
  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  auto [ptr, ec] = std::from_chars(first, last, value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    // Decide between overflow and underflow by the decimal exponent.
    std::string_view number(first, static_cast<std::size_t>(last - first));
    const bool tiny = [&] {
      // A mantissa of zeros is zero whatever its exponent.
      const auto e = number.find_first_of("eE");
      const auto mantissa = number.substr(0, e);
      if (mantissa.find_first_not_of("0.") == std::string_view::npos) return true;
      return e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-';
    }();
    value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
  } else if (ec != std::errc()) {
    value = 0.0;
  }
  (void)ptr;
  return negative ? -value : value;
}

// ---- Str ----------------------------------------------------------------------

String Str(Integer value) { return std::to_string(value); }
String Str(std::int64_t value) { return std::to_string(value); }

namespace {

template <class F>
String FloatText(F value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  if (value == std::trunc(value) && std::fabs(value) < static_cast<F>(1e15)) {
    return std::to_string(static_cast<long long>(value));  // -0 becomes "0"
  }
  std::array<char, 64> buffer{};
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  if (ec != std::errc()) return "nan";
  return String(buffer.data(), end);
}

}  // namespace

String Str(Single value) { return FloatText(value); }
String Str(Double value) { return FloatText(value); }

// ---- Format -------------------------------------------------------------------

String Format(Double value, std::string_view picture) {
  if (std::isnan(value)) return "NaN";
  const bool signSlot = picture.find('-') != std::string_view::npos;
  if (std::isinf(value)) return value < 0 ? (signSlot ? "-∞" : "∞") : "∞";

  const auto point = picture.find('.');
  int decimals = 0;
  int minIntegerDigits = 0;
  for (std::size_t k = 0; k < picture.size(); ++k) {
    const char c = picture[k];
    if (c != '#' && c != '0') continue;
    if (point != std::string_view::npos && k > point) {
      ++decimals;
    } else if (c == '0') {
      ++minIntegerDigits;
    }
  }
  minIntegerDigits = std::max(minIntegerDigits, 1);

  // The exact decimal expansion of a double has at most 309 integer digits.
  std::array<char, 400> buffer{};
  auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                 std::chars_format::fixed, decimals);
  if (ec != std::errc()) return "NaN";
  String digits(buffer.data(), end);

  const auto dot = digits.find('.');
  const std::size_t integerDigits = dot == String::npos ? digits.size() : dot;
  if (integerDigits < static_cast<std::size_t>(minIntegerDigits)) {
    digits.insert(0, static_cast<std::size_t>(minIntegerDigits) - integerDigits, '0');
  }
  const bool allZero = digits.find_first_not_of("0.") == String::npos;
  if (value < 0 && !allZero && signSlot) digits.insert(0, 1, '-');
  return digits;
}

// ---- Fields ---------------------------------------------------------------------

Integer CountFields(std::string_view text, std::string_view separator) {
  if (text.empty()) return 0;
  if (separator.empty()) return 1;
  std::int64_t count = 1;
  for (std::size_t pos = text.find(separator); pos != std::string_view::npos;
       pos = text.find(separator, pos + separator.size())) {
    ++count;
  }
  return static_cast<Integer>(std::min<std::int64_t>(count, std::numeric_limits<Integer>::max()));
}

String NthField(std::string_view text, std::string_view separator, Integer n) {
  if (n < 1 || text.empty()) return {};
  if (separator.empty()) return n == 1 ? String(text) : String();
  std::size_t begin = 0;
  for (Integer field = 1; field < n; ++field) {
    const auto pos = text.find(separator, begin);
    if (pos == std::string_view::npos) return {};
    begin = pos + separator.size();
  }
  const auto end = text.find(separator, begin);
  return String(text.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
}

String ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return String(text);
  String out;
  out.reserve(text.size());
  std::size_t begin = 0;
  for (std::size_t pos = text.find(find); pos != std::string_view::npos; pos = text.find(find, begin)) {
    out.append(text.substr(begin, pos - begin));
    out.append(replacement);
    begin = pos + find.size();
  }
  out.append(text.substr(begin));
  return out;
}

String Chr(Integer code) {
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {};
  const auto c = static_cast<std::uint32_t>(code);
  String out;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return out;
}

// ---- Arithmetic -------------------------------------------------------------------

Double Round(Double value) { return std::round(value); }
Double Floor(Double value) { return std::floor(value); }
Double Ceil(Double value) { return std::ceil(value); }
Double Max(Double a, Double b) { return a >= b ? a : b; }
Double Sin(Double radians) { return std::sin(radians); }
Double Cos(Double radians) { return std::cos(radians); }

Integer RuntimeCvtReal64ToSInt32(Double value) {
  if (std::isnan(value)) return 0;
  constexpr Double lowest = std::numeric_limits<Integer>::min();
  constexpr Double highest = std::numeric_limits<Integer>::max();
  const Double whole = std::trunc(value);
  if (whole <= lowest) return std::numeric_limits<Integer>::min();
  if (whole >= highest) return std::numeric_limits<Integer>::max();
  return static_cast<Integer>(whole);
}

Integer FitInteger(std::int64_t value) {
  return static_cast<Integer>(std::clamp<std::int64_t>(value, std::numeric_limits<Integer>::min(),
                                                       std::numeric_limits<Integer>::max()));
}

Integer RuntimeCvtReal32ToSInt32(Single value) { return RuntimeCvtReal64ToSInt32(static_cast<Double>(value)); }

Single ToSingle(Double value) {
  if (std::isnan(value)) return std::numeric_limits<Single>::quiet_NaN();
  // Beyond FLT_MAX plus half its last step, round-to-nearest gives infinity.
  constexpr Double limit = static_cast<Double>(std::numeric_limits<Single>::max()) + 0x1p103;
  if (value >= limit) return std::numeric_limits<Single>::infinity();
  if (value <= -limit) return -std::numeric_limits<Single>::infinity();
  return static_cast<Single>(value);
}

}  // namespace fw
