// Field functions, characters, rounding and the conversions between number types.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "Values.h"

namespace fw {
namespace {

constexpr Integer kIntMax = std::numeric_limits<Integer>::max();
constexpr Integer kIntMin = std::numeric_limits<Integer>::min();
constexpr Double kInf = std::numeric_limits<Double>::infinity();
constexpr Single kSingleInf = std::numeric_limits<Single>::infinity();
constexpr Single kSingleMax = std::numeric_limits<Single>::max();

struct FieldCase {
  const char* text;
  const char* separator;
  Integer count;
  // Fields 1..count; field 0 and field count + 1 must be empty.
  std::vector<std::string> fields;
};

TEST(Fields, CountFromOneAndKeepBlanksAndEmptyFields) {
  const FieldCase cases[] = {
      {"a,b,c", ",", 3, {"a", "b", "c"}},
      {"0,   5,0", ",", 3, {"0", "   5", "0"}},
      {"i, ,=", ",", 3, {"i", " ", "="}},
      {"a,,b", ",", 3, {"a", "", "b"}},
      {",", ",", 2, {"", ""}},
      {"a,", ",", 2, {"a", ""}},
      {"abc", ",", 1, {"abc"}},
      {"", ",", 0, {}},
      {"a<>b<>c", "<>", 3, {"a", "b", "c"}},
      {"a,b", "", 1, {"a,b"}},
      {"-,τ,+", ",", 3, {"-", "τ", "+"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.text + "\" by \"" + c.separator + "\"");
    EXPECT_EQ(CountFields(c.text, c.separator), c.count);
    for (Integer n = 1; n <= c.count; ++n) {
      EXPECT_EQ(NthField(c.text, c.separator, n), c.fields[static_cast<std::size_t>(n - 1)]) << n;
    }
    EXPECT_EQ(NthField(c.text, c.separator, 0), "");
    EXPECT_EQ(NthField(c.text, c.separator, -1), "");
    EXPECT_EQ(NthField(c.text, c.separator, c.count + 1), "");
  }
  EXPECT_EQ(NthField("a,b", ",", kIntMax), "");
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll("T,$,i,$", "$", "y"), "T,y,i,y");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("aaaa", "aa", "a"), "aa");
  EXPECT_EQ(ReplaceAll("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAll("abc", "x", "y"), "abc");
  EXPECT_EQ(ReplaceAll("abc", "", "y"), "abc");
  EXPECT_EQ(ReplaceAll("a%b", "%", ""), "ab");
  EXPECT_EQ(ReplaceAll("", "a", "b"), "");
}

TEST(Chr, EncodesCodePointsAsUtf8) {
  EXPECT_EQ(Chr(964), "\xCF\x84");
  EXPECT_EQ(Chr(964), "τ");
  EXPECT_EQ(Chr(0x2206), "∆");
  EXPECT_EQ(Chr(65), "A");
  EXPECT_EQ(Chr(0), std::string(1, '\0'));
  EXPECT_EQ(Chr(0x7FF), "\xDF\xBF");
  EXPECT_EQ(Chr(0xFFFF), "\xEF\xBF\xBF");
  EXPECT_EQ(Chr(0x1F600), "\xF0\x9F\x98\x80");
  EXPECT_EQ(Chr(0x10FFFF), "\xF4\x8F\xBF\xBF");
  for (const Integer invalid : {-1, 0xD800, 0xDFFF, 0x110000, kIntMax, kIntMin}) {
    EXPECT_EQ(Chr(invalid), "") << invalid;
  }
}

TEST(Round, HalvesGoAwayFromZero) {
  const std::pair<Double, Double> cases[] = {
      {2.5, 3}, {-2.5, -3}, {0.5, 1}, {-0.5, -1}, {1.4999999999999998, 1}, {0.49999999999999994, 0},
      {2.4, 2}, {-2.6, -3}, {7, 7},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(Round(value), expected) << value;
  EXPECT_EQ(Round(kInf), kInf);
  EXPECT_TRUE(std::isnan(Round(std::nan(""))));
}

TEST(Conversions, CutTheFractionSaturateAndTakeNaNAsZero) {
  const std::pair<Double, Integer> cases[] = {
      {18.5, 18},
      {-7.5, -7},
      {0.999, 0},
      {-0.999, 0},
      {2147483647.0, kIntMax},
      {2147483647.9, kIntMax},
      {2147483648.0, kIntMax},
      {1e10, kIntMax},
      {-2147483648.0, kIntMin},
      {-2147483648.9, kIntMin},
      {-1e10, kIntMin},
      {kInf, kIntMax},
      {-kInf, kIntMin},
      {std::nan(""), 0},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(RuntimeCvtReal64ToSInt32(value), expected) << value;
    EXPECT_EQ(ToInteger(value), expected) << value;
  }
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(1.9f), 1);
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(-1.9f), -1);
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(0.5f), 0);
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(2147483648.0f), kIntMax);  // the next Single above the maximum
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(3e9f), kIntMax);
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(-kSingleInf), kIntMin);
  EXPECT_EQ(RuntimeCvtReal32ToSInt32(std::numeric_limits<Single>::quiet_NaN()), 0);
  // 64-bit whole numbers saturate in the same way.
  EXPECT_EQ(fw::FitInteger(-7), -7);
  EXPECT_EQ(fw::FitInteger(std::int64_t{kIntMax} + 1), kIntMax);
  EXPECT_EQ(fw::FitInteger(std::numeric_limits<std::int64_t>::min()), kIntMin);
}

TEST(ToSingle, RoundsToNearestEvenAndOverflowsToInfinity) {
  // Half a step of the 32-bit value above the largest Single.
  const Double halfStepAboveMax = static_cast<Double>(kSingleMax) + 0x1p103;
  const std::pair<Double, Single> cases[] = {
      {0.1, 0.1f},
      {1.0 + 0x1p-24, 1.0f},                 // a tie, to the even neighbour below
      {1.0 + 3 * 0x1p-24, 1.0f + 0x1p-22f},  // a tie, to the even neighbour above
      {1.0 + 0x1p-24 + 0x1p-40, 1.0f + 0x1p-23f},
      {0.30000001192092896, 0.3f},
      {static_cast<Double>(kSingleMax), kSingleMax},
      {std::nextafter(halfStepAboveMax, 0.0), kSingleMax},
      {halfStepAboveMax, kSingleInf},
      {-halfStepAboveMax, -kSingleInf},
      {1e39, kSingleInf},
      {-1e39, -kSingleInf},
      {kInf, kSingleInf},
      {-kInf, -kSingleInf},
      {1e-50, 0.0f},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(ToSingle(value), expected) << value;
  EXPECT_TRUE(std::isnan(ToSingle(std::nan(""))));
  EXPECT_TRUE(std::signbit(ToSingle(-1e-50)));
}

TEST(RGB, ClampsEachComponent) {
  EXPECT_EQ(RGB(230, 255, 255), (Color{230, 255, 255}));
  EXPECT_EQ(RGB(-5, 300, 128), (Color{0, 255, 128}));
}

}  // namespace
}  // namespace fw
