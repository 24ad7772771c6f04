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

// For a plain decimal number (digits, an optional point and fraction, an
// optional exponent) whose value is not zero: the E with 10^(E-1) <= |value|
// < 10^E, taken from where its first non-zero digit stands and the written
// exponent. Saturates far beyond any Double. A number of zeros gives the
// lowest value. Only the sign matters to the caller: a number beyond the
// Double range is huge when E > 0 and tiny otherwise, however it is written
// ("1" and 400 zeros "e-10" is huge, "0." and 330 zeros "1" is tiny).
std::int64_t OrderOfMagnitude(std::string_view number) {
  constexpr std::int64_t kFar = std::int64_t{1} << 48;  // far beyond 10^±400, far from overflow
  const auto e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  const auto firstNonZero = mantissa.find_first_not_of("0.");
  if (firstNonZero == std::string_view::npos) return -kFar;
  const auto point = std::min(mantissa.find('.'), mantissa.size());
  // Digits between the first non-zero digit and the point: the integer digits
  // left of the point count up, the zeros right of it count down.
  std::int64_t magnitude = firstNonZero < point ? static_cast<std::int64_t>(point - firstNonZero)
                                                : -static_cast<std::int64_t>(firstNonZero - point - 1);
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool negative = i < number.size() && number[i] == '-';
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    std::int64_t exponent = 0;
    for (; i < number.size() && IsDigit(number[i]); ++i) {
      exponent = std::min(exponent * 10 + (number[i] - '0'), kFar);
    }
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

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
  // reads exactly (correctly rounded, whatever the number of digits) and
  // without regard to the locale.
  double value = 0.0;
  const char* first = text.data() + start;
  const char* last = text.data() + end;
  const auto result = std::from_chars(first, last, value, std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    value = OrderOfMagnitude(std::string_view(first, static_cast<std::size_t>(last - first))) > 0
                ? std::numeric_limits<double>::infinity()
                : 0.0;
  } else if (result.ec != std::errc()) {
    value = 0.0;
  }
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
  // The limit is compared in Double: as a Single, 1e15 would round down to
  // 999999986991104, the whole Single just below it.
  const bool large = std::fabs(static_cast<Double>(value)) >= 1e15;
  if (value == std::trunc(value) && !large) {
    return std::to_string(static_cast<long long>(value));  // -0 becomes "0"
  }
  // Large numbers always get an exponent: where plain digits would be no
  // longer, to_chars would write every digit of the exact binary value,
  // more than reading back needs ("904367983685334597632", not
  // "9.043679836853346e+20").
  std::array<char, 64> buffer{};
  auto [end, ec] =
      large ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific)
            : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
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
  std::size_t decimals = 0;
  std::size_t minIntegerDigits = 0;
  for (std::size_t k = 0; k < picture.size(); ++k) {
    const char c = picture[k];
    if (c != '#' && c != '0') continue;
    if (point != std::string_view::npos && k > point) {
      ++decimals;
    } else if (c == '0') {
      ++minIntegerDigits;
    }
  }
  minIntegerDigits = std::max<std::size_t>(minIntegerDigits, 1);

  // The exact decimal expansion of a double has at most 309 integer digits
  // and 1074 decimals; further decimal places are zeros.
  constexpr std::size_t kExactDecimals = 1074;
  const std::size_t written = std::min(decimals, kExactDecimals);
  std::array<char, 309 + 2 + kExactDecimals> buffer;  // written by to_chars only
  const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                       std::chars_format::fixed, static_cast<int>(written));
  if (ec != std::errc()) return "NaN";  // cannot happen: the buffer holds every digit
  String digits(buffer.data(), end);
  digits.append(decimals - written, '0');

  const auto dot = digits.find('.');
  const std::size_t integerDigits = dot == String::npos ? digits.size() : dot;
  if (integerDigits < minIntegerDigits) digits.insert(0, minIntegerDigits - integerDigits, '0');
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

Integer FitInteger(std::int64_t value) {
  return static_cast<Integer>(
      std::clamp<std::int64_t>(value, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max()));
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
