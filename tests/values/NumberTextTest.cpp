// Numbers read from and written as text: Val, Str and Format.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "Values.h"

namespace fw {
namespace {

constexpr Double kInf = std::numeric_limits<Double>::infinity();
constexpr Double kNaN = std::numeric_limits<Double>::quiet_NaN();

struct ValCase {
  const char* text;
  Double expected;
};

TEST(Val, ReadsTheLeadingNumberOnly) {
  const ValCase cases[] = {
      {"12", 12},         {"   7", 7},   {"\t 7", 7},     {"-3", -3},        {"+4", 4},          {"2.25", 2.25},
      {".5", 0.5},        {"-.5", -0.5}, {"5.", 5},       {"1e3", 1000},     {"-3.25e2x", -325}, {"2E-2", 0.02},
      {"1e", 1},          {"1e+", 1},    {"1,5", 1},      {"12abc", 12},     {"0x10", 0},        {"inf", 0},
      {"nan", 0},         {"", 0},       {" ", 0},        {".", 0},          {"-", 0},           {"- 5", 0},
      {"e5", 0},          {"abc", 0},    {"1e400", kInf}, {"-1e400", -kInf}, {"1e-400", 0},      {"0e400", 0},
      {"1e-310", 1e-310}, {"0.1", 0.1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
  }
}

// Texts of hundreds of digits. Whether a number lies beyond the Double range
// follows from its real size, the written exponent plus where its first
// non-zero digit stands; within the range the result is the correctly
// rounded decimal, which the C library's strtod also gives for this syntax.
TEST(Val, LongNumbersByTheirRealSize) {
  struct LongCase {
    std::string text;
    Double expected;
  };
  const std::string zeros330(330, '0');
  const std::string zeros400(400, '0');
  // 1 + 2^-53, the exact half between 1 and the next Double.
  const std::string half = "1.00000000000000011102230246251565404236316680908203125";
  const LongCase cases[] = {
      {"0." + zeros330 + "1", 0},
      {"-0." + zeros330 + "1", -0.0},
      {"1" + zeros400 + "e-10", kInf},
      {"-1" + zeros400 + "e-10", -kInf},
      {"1" + zeros400 + "e-400", 1},
      {"1" + zeros400 + "e-800", 0},
      {"0." + zeros400 + "1e400", 0.1},
      {"0." + zeros400 + "1e800", kInf},
      {"0." + zeros330 + "1e330", 0.1},
      {"0." + zeros330 + "25e330x", 0.25},
      {"." + zeros330 + "1", 0},
      {zeros400 + "7.5", 7.5},
      {zeros400 + "." + zeros400, 0},
      {"0." + zeros400 + "e99999", 0},
      {"1e99999999999999999999999", kInf},
      {"1e-99999999999999999999999", 0},
      {"1" + zeros400 + "e-99999999999999999999999", 0},
      {"0." + zeros400 + "1e+99999999999999999999999", kInf},
      // The edges of the range: below half the smallest step is 0, above it
      // the smallest step; past the largest Double's last half step is
      // infinity.
      {"2.4703282292062327e-324", 0},
      {"2.4703282292062328e-324", 5e-324},
      {"1.797693134862315807937289714053034150799e308", 1.7976931348623157e308},
      {"1.797693134862315807937289714053034150800e308", kInf},
      // A tie goes to even; a digit far behind the half decides.
      {half, 1},
      {half + std::string(500, '0') + "1", 1.0000000000000002},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40) + "... (" + std::to_string(c.text.size()) + " characters)");
    EXPECT_EQ(Val(c.text), c.expected);
    EXPECT_EQ(std::signbit(Val(c.text)), std::signbit(c.expected));
    const std::string number = c.text.substr(0, c.text.find_first_not_of("+-.0123456789eE"));
    EXPECT_EQ(Val(c.text), std::strtod(number.c_str(), nullptr));
  }
}

TEST(Val, KeepsTheSignOfZero) {
  EXPECT_TRUE(std::signbit(Val("-0")));
  EXPECT_FALSE(std::signbit(Val("0")));
}

struct StrCase {
  std::string actual;
  const char* expected;
};

TEST(Str, WholeNumbersHaveNoPointOrExponent) {
  const StrCase cases[] = {
      {Str(Integer{1}), "1"},
      {Str(Integer{-2}), "-2"},
      {Str(Integer{500}), "500"},
      {Str(std::numeric_limits<Integer>::min()), "-2147483648"},
      {Str(1.0f), "1"},
      {Str(-2.0f), "-2"},
      {Str(500.0f), "500"},
      {Str(-0.0f), "0"},
      {Str(0.0), "0"},
      {Str(-0.0), "0"},
      {Str(123456.0f), "123456"},
      {Str(999999999999999.0), "999999999999999"},
      // The largest whole Single below 1e15 (1e15 itself is no Single).
      {Str(999999986991104.0f), "999999986991104"},
      {Str(-999999986991104.0f), "-999999986991104"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Str, OtherNumbersInTheShortestFormOfTheirType) {
  const StrCase cases[] = {
      {Str(0.5f), "0.5"},
      {Str(0.1f), "0.1"},
      // The same 32-bit value written as a Double shows its binary tail.
      {Str(static_cast<Double>(0.1f)), "0.10000000149011612"},
      {Str(0.1), "0.1"},
      {Str(2.5), "2.5"},
      {Str(-0.25f), "-0.25"},
      {Str(1.5e-7f), "1.5e-07"},
      {Str(1e20f), "1e+20"},
      {Str(1000000054089728.0f), "1.00000005e+15"},  // the next Single
      {Str(1e15), "1e+15"},
      // Large whole Doubles get an exponent too, not all the digits of their
      // binary value (found by fuzzing).
      {Str(904367983685334597632.0), "9.043679836853346e+20"},
      {Str(-123456789012345678.0), "-1.2345678901234568e+17"},
      {Str(std::numeric_limits<Single>::infinity()), "inf"},
      {Str(-std::numeric_limits<Single>::infinity()), "-inf"},
      {Str(std::numeric_limits<Single>::quiet_NaN()), "nan"},
      {Str(kInf), "inf"},
      {Str(kNaN), "nan"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.actual, c.expected);
}

TEST(Str, ReadsBackToTheSameValue) {
  for (const Single v : {0.1f, 1.0f / 3.0f, 3.4028235e38f, 1.17549435e-38f, -7.125f, 16777217.0f}) {
    EXPECT_EQ(static_cast<Single>(Val(Str(v))), v) << Str(v);
  }
  for (const Double v : {0.1, 1.0 / 3.0, 1.7976931348623157e308, 5e-324, 1e15 + 0.5}) {
    EXPECT_EQ(Val(Str(v)), v) << Str(v);
  }
}

struct FormatCase {
  Double value;
  const char* expected;
};

TEST(Format, ValueTablePicture) {
  const FormatCase cases[] = {
      {0, "0.00"},
      {-0.0, "0.00"},
      {-0.004, "0.00"},  // rounds to zero: no minus sign
      {-1e-300, "0.00"},
      {0.5, "0.50"},
      {1, "1.00"},
      {-2, "-2.00"},
      {1234.5, "1234.50"},
      {0.5600000023841858, "0.56"},
      {-0.8799999952316284, "-0.88"},
      // The binary value decides, not its shortest decimal: 0.125 and 0.375
      // are exact ties and go to the even digit; 0.995 lies just below and
      // 0.005 just above the half.
      {0.125, "0.12"},
      {0.375, "0.38"},
      {-0.125, "-0.12"},
      {0.995, "0.99"},
      {1.005, "1.00"},
      {0.005, "0.01"},
      {-0.005, "-0.01"},
      {1e20, "100000000000000000000.00"},
      {kInf, "∞"},
      {-kInf, "-∞"},
      {kNaN, "NaN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Format(c.value, "-###.00"), c.expected) << c.value;
  }
}

// Every digit of the exact binary value, however long the picture: the
// integer part of the largest Double has 309 digits, its decimals are zeros;
// the smallest Double has 1074 decimals, and places beyond them are zeros.
TEST(Format, LongPicturesWriteEveryDigit) {
  const std::string decimals(400, '0');
  const std::string picture = "-###." + decimals;
  const std::string max = Format(1.7976931348623157e308, picture);
  EXPECT_EQ(max.substr(0, 17), "17976931348623157");
  EXPECT_EQ(max.size(), 309u + 1 + 400);
  EXPECT_EQ(max.substr(309), "." + decimals);
  EXPECT_EQ(Format(-1e22, picture), "-1" + std::string(22, '0') + "." + decimals);

  const std::string tiny = Format(5e-324, "#." + std::string(1100, '#'));
  ASSERT_EQ(tiny.size(), 2u + 1100);
  EXPECT_EQ(tiny.substr(0, 2 + 323), "0." + std::string(323, '0'));
  EXPECT_EQ(tiny.substr(2 + 323, 10), "4940656458");
  EXPECT_EQ(tiny.substr(2 + 1070, 4), "5625");  // 2^-1074 ends in ...625
  EXPECT_EQ(tiny.substr(2 + 1074), std::string(1100 - 1074, '0'));
  EXPECT_EQ(Format(-5e-324, "-#." + std::string(1100, '#')), "-" + tiny);
  EXPECT_EQ(Format(-5e-324, "-#." + std::string(300, '#')), "0." + std::string(300, '0'));

  EXPECT_EQ(Format(7, std::string(400, '0')), std::string(399, '0') + "7");
}

TEST(Format, PictureDecidesSignDecimalsAndLeadingZeros) {
  EXPECT_EQ(Format(-1.5, "###.00"), "1.50");  // no sign slot
  EXPECT_EQ(Format(1234.5, "0000.0"), "1234.5");
  EXPECT_EQ(Format(5, "000"), "005");
  EXPECT_EQ(Format(5.5, "###"), "6");
  EXPECT_EQ(Format(2.5, "###"), "2");
  EXPECT_EQ(Format(-7, "-#"), "-7");
}

}  // namespace
}  // namespace fw
