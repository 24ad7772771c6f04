// Numbers read from and written as text: Val, Str and Format.
#include <gtest/gtest.h>

#include <cmath>
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
      {"12", 12},           {"   7", 7},          {"\t 7", 7},          {"-3", -3},
      {"+4", 4},            {"2.25", 2.25},       {".5", 0.5},          {"-.5", -0.5},
      {"5.", 5},            {"1e3", 1000},        {"-3.25e2x", -325},   {"2E-2", 0.02},
      {"1e", 1},            {"1e+", 1},           {"1,5", 1},           {"12abc", 12},
      {"0x10", 0},          {"inf", 0},           {"nan", 0},           {"", 0},
      {" ", 0},             {".", 0},             {"-", 0},             {"- 5", 0},
      {"e5", 0},            {"abc", 0},           {"1e400", kInf},      {"-1e400", -kInf},
      {"1e-400", 0},        {"0e400", 0},         {"1e-310", 1e-310},   {"0.1", 0.1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Val(c.text), c.expected) << '"' << c.text << '"';
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
      {Str(Integer{1}), "1"},          {Str(Integer{-2}), "-2"},
      {Str(Integer{500}), "500"},      {Str(std::numeric_limits<Integer>::min()), "-2147483648"},
      {Str(1.0f), "1"},                {Str(-2.0f), "-2"},
      {Str(500.0f), "500"},            {Str(-0.0f), "0"},
      {Str(0.0), "0"},                 {Str(-0.0), "0"},
      {Str(123456.0f), "123456"},      {Str(999999999999999.0), "999999999999999"},
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
      {Str(1e15), "1e+15"},
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
