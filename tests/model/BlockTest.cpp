// The equation tokens of a block and the parameters written into them.
#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "Block.h"

namespace model {
namespace {

Block Built(Integer index) {
  Block block;
  BuildTokens(block, index);
  return block;
}

TEST(BuildTokens, ControllerReadsAsItsSymbolicEquation) {
  const Block b = Built(1);
  EXPECT_EQ(b.nchc, kTokenCount);
  ASSERT_EQ(b.chc.size(), 44u);
  ASSERT_EQ(b.dh.size(), 44u);
  EXPECT_EQ(b.chc[0], "");
  EXPECT_EQ(b.dh[0], 0);
  EXPECT_EQ(EquationText(b), "T2∆2yi+T1∆yi+T0yi = K0ei-τ+K1∆ei-τ+K2∆2ei-τ");
  // The blanks around "=" are tokens of their own, one blank each.
  EXPECT_EQ(b.chc[18], " ");
  EXPECT_EQ(b.chc[19], "=");
  EXPECT_EQ(b.chc[20], " ");
  for (const int k : {26, 34, 43}) EXPECT_EQ(b.chc[k], "\xCF\x84") << k;
}

TEST(BuildTokens, OutputAndInputSymbolsFollowTheIndex) {
  struct Case {
    Integer index;
    const char* out;
    const char* in;
  };
  for (const Case c : {Case{1, "y", "e"}, Case{2, "x", "u"}, Case{0, "x", "u"}, Case{7, "x", "u"}}) {
    SCOPED_TRACE(c.index);
    const Block b = Built(c.index);
    for (const int k : {5, 11, 16}) EXPECT_EQ(b.chc[k], c.out) << k;
    for (const int k : {23, 31, 40}) EXPECT_EQ(b.chc[k], c.in) << k;
    // No placeholder may survive anywhere.
    const std::string text = EquationText(b);
    EXPECT_EQ(text.find('$'), std::string::npos);
    EXPECT_EQ(text.find('%'), std::string::npos);
  }
}

TEST(BuildTokens, OffsetsMarkSubscriptsAndExponents) {
  const std::set<int> subscripts = {2, 6, 9, 12, 15, 17, 22, 24, 25, 26, 29, 32, 33, 34, 37, 41, 42, 43};
  const std::set<int> superscripts = {4, 39};
  const Block b = Built(2);
  for (int k = 1; k <= kTokenCount; ++k) {
    const Integer expected = subscripts.count(k) ? kSubscript : superscripts.count(k) ? kSuperscript : kBaseline;
    EXPECT_EQ(b.dh[k], expected) << "position " << k << " \"" << b.chc[k] << '"';
  }
}

struct ParCase {
  const char* name;
  Integer index;
  std::vector<Single> par;  // T2, T1, T0, K0, K1, K2, tau
  const char* shown;
};

void PrintTo(const ParCase& c, std::ostream* os) { *os << c.name; }

class WriteParametersTest : public testing::TestWithParam<ParCase> {};

TEST_P(WriteParametersTest, ShowsTheNumbersInPlaceOfTheSymbols) {
  Block b = Built(GetParam().index);
  b.par = GetParam().par;
  WriteParameters(b);
  EXPECT_EQ(EquationText(b), GetParam().shown);
  // Offsets stay with their positions whatever text they now hold.
  EXPECT_EQ(b.dh, Built(GetParam().index).dh);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, WriteParametersTest,
    testing::Values(ParCase{"FirstOrderWithDeadTime", 1, {0, 2, 1, 3, 0, 0, 4}, "2∆yi+yi = 3ei-4"},
                    ParCase{"OnesHiddenDeadTimeOneShown", 2, {0, 4, 1, 1, 0, 0, 1}, "4∆xi+xi = ui-1"},
                    ParCase{"NoPlusBesideEquals", 1, {2, 0, 0, 0, 0, 5, 0}, "2∆2yi = 5∆2ei"},
                    ParCase{"GainOnly", 1, {0, 0, 1, 2, 0, 0, 0}, "yi = 2ei"},
                    ParCase{"NegativeCoefficientAfterPlus", 1, {1, -2, 3, 1, 1, 0, 2}, "∆2yi+-2∆yi+3yi = ei-2+∆ei-2"},
                    ParCase{"MinusOneIsShown", 2, {0, -1, 1, -1, 0, 0, 1}, "-1∆xi+xi = -1ui-1"},
                    ParCase{"ZeroDeadTimeEmptiesAllMinusTau", 2, {1, 1, 1, 1, 1, 1, 0}, "∆2xi+∆xi+xi = ui+∆ui+∆2ui"},
                    ParCase{"AllTermsShown", 1, {2, 3, 4, 5, 6, 7, 8}, "2∆2yi+3∆yi+4yi = 5ei-8+6∆ei-8+7∆2ei-8"},
                    ParCase{"OnlyLastTermsLeft", 1, {0, 0, 3, 0, 0, 2, 1}, "3yi = 2∆2ei-1"},
                    // The numbers are written from the 32-bit values: 0.1 stays "0.1".
                    ParCase{"FractionsAsSingles", 2, {0, 0.1f, 1, 0.5f, 0, 0, 2.5f}, "0.1∆xi+xi = 0.5ui-2.5"},
                    ParCase{"NegativeZeroCountsAsZero", 1, {-0.0f, 0, 1, 1, 0, 0, 1}, "yi = ei-1"}),
    [](const testing::TestParamInfo<ParCase>& test) { return test.param.name; });

TEST(WriteParameters, MissingParametersCountAsZero) {
  Block b = Built(1);
  b.par = {0, 0, 2};  // T2, T1, T0 only
  WriteParameters(b);
  EXPECT_EQ(EquationText(b), "2yi = ");
}

TEST(WriteParameters, LeavesABlockWithoutTokensAlone) {
  Block b;
  b.par = {1, 2, 3, 4, 5, 6, 7};
  WriteParameters(b);
  EXPECT_TRUE(b.chc.empty());
  EXPECT_EQ(EquationText(b), "");
}

}  // namespace
}  // namespace model
