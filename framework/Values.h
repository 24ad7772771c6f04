// The toolkit's value types and value functions: numbers, texts, colours.
// Plain C++ with no Qt, so that the loop model can use them on its own.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace fw {

using Integer = std::int32_t;
using Single = float;
using Double = double;
// Texts are UTF-8 byte strings; field functions split on byte separators,
// which is exact for the ASCII separators the program uses.
using String = std::string;

// An opaque 24-bit colour.
struct Color {
  std::uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

// Colour from red, green and blue; each component is clamped to 0..255.
Color RGB(Integer red, Integer green, Integer blue);

// ---- Numbers from text and text from numbers --------------------------------

// Reads a leading decimal number: blanks (spaces, tabs), an optional sign,
// digits with an optional fraction, and an optional exponent ("e" or "E",
// optional sign, digits). Anything else ends the number; no number gives 0.
// Locale independent, and no decimal comma ("0,5" reads as 0). Hexadecimal,
// "inf" and "nan" are not numbers here ("0x10" reads as 0). The result is the
// written decimal correctly rounded, however many digits it has; a number
// beyond the Double range gives +/-infinity, one too close to zero for it
// gives +/-0, judged by its real size rather than by its written exponent.
Double Val(std::string_view text);

// Whole numbers are written as plain digits with a minus sign where negative
// (1 -> "1", -2 -> "-2", -0 -> "0"), as long as their magnitude is below
// 1e15. Every other finite value is written in the shortest form that reads
// back to the same value of its type ("0.1", "2.5", "1e+20", "1.5e-07"):
// a Single with at most 9 significant digits, a Double with at most 17;
// from 1e15 on always with an exponent.
// Infinities are "inf" and "-inf", NaN is "nan".
String Str(Integer value);
String Str(std::int64_t value);
String Str(Single value);
String Str(Double value);

// Formats a number by a picture such as "-###.00":
//   "-"  a minus sign where the value is negative (the leading sign slot),
//   "#"  a digit place, shown only where it carries a digit,
//   "0"  a digit place that is always shown,
//   "."  the decimal point.
// The value is rounded to as many decimals as the picture has places after
// its point (exact decimal rounding of the binary value, ties to even on the
// exact value). The integer part is always written in full, with at least
// one digit: 0 -> "0.00", 1234.5 -> "1234.50", 1e20 -> all 21 digits.
// A value that rounds to zero has no minus sign (-0.004 -> "0.00").
// Infinities are written "∞" and "-∞", NaN "NaN".
String Format(Double value, std::string_view picture);

// ---- Fields of a text ---------------------------------------------------------

// Number of fields of text split at every occurrence of separator. Fields are
// kept as they are, blanks and empty ones included ("a,,b" has 3). The empty
// text has no fields; an empty separator makes the whole text one field.
Integer CountFields(std::string_view text, std::string_view separator);

// The n-th field (counted from 1) of text split at separator, or the empty
// text when there is no such field.
String NthField(std::string_view text, std::string_view separator, Integer n);

// Every occurrence of find replaced by replacement, left to right, without
// rescanning the replacements. An empty find leaves the text unchanged.
String ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// The character with the given Unicode code point, UTF-8 encoded; the empty
// text for a negative code, a surrogate or a code beyond U+10FFFF.
String Chr(Integer code);

// ---- Arithmetic ----------------------------------------------------------------

// Nearest whole number, halves away from zero (2.5 -> 3, -2.5 -> -3).
Double Round(Double value);
Double Floor(Double value);
Double Ceil(Double value);
Double Max(Double a, Double b);
Double Sin(Double radians);
Double Cos(Double radians);

// The conversions from floating point to Integer that the program relies on,
// defined for every input: the fraction is cut off (towards zero, so 18.5 -> 18
// and -7.5 -> -7), values beyond the Integer range saturate at its ends and
// NaN becomes 0.
// (Inline: the chart converts every point of its curves.)
inline Integer RuntimeCvtReal64ToSInt32(Double value) {
  if (std::isnan(value)) return 0;
  constexpr Double lowest = std::numeric_limits<Integer>::min();
  constexpr Double highest = std::numeric_limits<Integer>::max();
  const Double whole = std::trunc(value);
  if (whole <= lowest) return std::numeric_limits<Integer>::min();
  if (whole >= highest) return std::numeric_limits<Integer>::max();
  return static_cast<Integer>(whole);
}
Integer RuntimeCvtReal32ToSInt32(Single value);
inline Integer ToInteger(Double value) { return RuntimeCvtReal64ToSInt32(value); }

// A 64-bit whole number brought into the Integer range (saturating). Integer
// sums and products that could overflow are formed in 64 bits and fitted back.
Integer FitInteger(std::int64_t value);

// Double to Single rounded to nearest; values beyond the Single range become
// +/-infinity, NaN stays NaN. Defined for every input.
Single ToSingle(Double value);

}  // namespace fw
