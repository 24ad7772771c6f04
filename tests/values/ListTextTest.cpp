// A list box's text rules: numbers written shorter, the clipboard's cells and
// the column widths.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ListText.h"

namespace fw {
namespace {

TEST(ShortNumber, WritesAsManyDigitsAsAskedWithAShortExponent) {
  struct Case {
    Double value;
    int digits;
    const char* expected;
  };
  const Case cases[] = {
      {123456.789, 5, "1.2346e5"},
      {-3e38, 15, "-3e38"},
      {0.0012, 15, "0.0012"},
      {0.00012345, 3, "0.000123"},
      {0.000012345, 3, "1.23e-5"},
      {1234.57, 4, "1235"},
      {1e20, 15, "1e20"},
      {123456, 6, "123456"},
      {1234567, 6, "1.23457e6"},
      {999999.5, 6, "1e6"},
      {9.96, 2, "10"},
      {0.5, 1, "0.5"},
      {100, 1, "1e2"},
      {1000, 3, "1e3"},
      {1e-300, 2, "1e-300"},
      // A tie rounds away from zero, as the toolkit writes numbers.
      {0.125, 2, "0.13"},
      {-0.125, 2, "-0.13"},
      {2.5, 1, "3"},
      {123456789012345.0, 14, "1.2345678901235e14"},
      // Minus zero reads as zero; digits outside 1..17 are kept within.
      {-0.0, 5, "0"},
      {1.0 / 3, 0, "0.3"},
      {1.0 / 3, 99, "0.33333333333333331"},
      {5e-324, 3, "4.94e-324"},
      {1.7976931348623157e308, 3, "1.8e308"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortNumber(c.value, c.digits), c.expected) << c.value << " in " << c.digits << " digits";
  }
}

TEST(CopiedCell, GoesWithoutBlanksAroundAndSplitsNothing) {
  const std::pair<const char*, const char*> cases[] = {
      {"  1.5  ", "1.5"},
      {"\t\r\n 2 \n", "2"},
      {"a\tb\nc\rd", "a b c d"},
      {"\xC2\xA0"
       "3,5\xE3\x80\x80",
       "3,5"},                                     // no-break and ideographic spaces
      {"\xE2\x80\x83x\xE2\x80\xA8", "x"},          // em space, line separator
      {"\xC3\xA4 \xC3\xB6", "\xC3\xA4 \xC3\xB6"},  // umlauts stay, the blank between too
      {"\xE2\x80\x8Bx", "\xE2\x80\x8Bx"},          // a zero-width space is no blank
      {" \xC0\xA0", "\xC0\xA0"},                   // a blank written too long is none
      {" \xE3\x80", "\xE3\x80"},                   // a cut-off character stays
      {"", ""},
      {" \t ", ""},
  };
  for (const auto& [cell, expected] : cases) EXPECT_EQ(CopiedCell(cell), expected) << '"' << cell << '"';
}

TEST(ColumnPixelWidths, PixelsSharesAndTheRestInEqualParts) {
  struct Case {
    const char* widths;
    int columns;
    int available;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"", 3, 300, {100, 100, 100}},
      {"40", 3, 300, {40, 130, 130}},
      {"40,25%", 3, 400, {40, 100, 260}},
      {" 50 , * ,25% ", 3, 400, {50, 250, 100}},
      {"40,,40", 3, 200, {40, 120, 40}},
      {"*,*", 2, 101, {50, 50}},
      {"100,100", 3, 150, {100, 100, 0}},  // nothing left to share
      {"-5,1e9", 2, 100, {0, 32000}},      // within 0..largest
      {"abc", 2, 100, {0, 100}},           // no number reads as 0
      {"10,20,30", 2, 100, {10, 20}},      // entries beyond the columns do nothing
      {"150%", 1, 200, {300}},
      {"10", 0, 100, {}},
      {"10", -2, 100, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ColumnPixelWidths(c.widths, c.columns, c.available, 32000), c.expected)
        << '"' << c.widths << "\" in " << c.columns << " columns of " << c.available;
  }
}

}  // namespace
}  // namespace fw
