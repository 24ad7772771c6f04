// The loop simulation, bit for bit, and its value table.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "ExampleParameters.h"
#include "Simulation.h"
#include "Values.h"

namespace model {
namespace {

constexpr Single kNaN = std::numeric_limits<Single>::quiet_NaN();
constexpr Single kInf = std::numeric_limits<Single>::infinity();

// The value table as plain rows of cells.
struct TableSink : RowSink {
  void AddRow(const String& first) override { rows.push_back({first}); }
  void SetCell(Integer row, Integer column, const String& text) override {
    ASSERT_GE(row, 0);
    ASSERT_LT(static_cast<std::size_t>(row), rows.size());
    ASSERT_GE(column, 0);
    auto& cells = rows[static_cast<std::size_t>(row)];
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
  }
  std::vector<std::vector<String>> rows;
};

enum class Shape { kZero, kStep, kImpulse };

void FillRow(SignalMatrix& s, Integer sig, Shape shape) {
  for (Integer t = 1; t <= s.StepBound(); ++t) {
    s(sig, t) = shape == Shape::kStep || (shape == Shape::kImpulse && t == 1) ? 1.0f : 0.0f;
  }
}

class LoopTest : public testing::Test {
 protected:
  // z " " and w "Sprung" unless a test says otherwise.
  void Inputs(Shape z, Shape w) {
    FillRow(s_, kZ, z);
    FillRow(s_, kW, w);
  }
  void SetUp() override { Inputs(Shape::kZero, Shape::kStep); }

  void Run(Par controller, Par plant, bool cut = false, Integer time = 500) {
    LoopRun run;
    run.Time = time;
    run.cut = cut;
    run.controller = std::move(controller);
    run.plant = std::move(plant);
    sink_.rows.clear();
    Simulate(s_, run, sink_);
  }

  double x(Integer t) const { return static_cast<double>(s_(kX, t)); }
  double y(Integer t) const { return static_cast<double>(s_(kY, t)); }

  SignalMatrix s_{4, 500};
  TableSink sink_;
};

// Values are compared as doubles so that every bit of the 32-bit result shows.
struct Expected {
  Integer signal;
  Integer step;
  double value;
};

struct Figure {
  const char* name;
  Par controller;
  Par plant;
  bool cut;
  Shape z, w;
  std::vector<Expected> values;
};

void PrintTo(const Figure& f, std::ostream* os) { *os << f.name; }

class FigureTest : public LoopTest, public testing::WithParamInterface<Figure> {};

TEST_P(FigureTest, MatchesBitForBit) {
  const Figure& f = GetParam();
  Inputs(f.z, f.w);
  Run(f.controller, f.plant, f.cut);
  for (const auto& e : f.values) {
    const auto actual = static_cast<double>(s_(e.signal, e.step));
    EXPECT_EQ(actual, e.value) << (e.signal == kX ? "x(" : "y(") << e.step << ") = " << std::setprecision(17) << actual;
  }
}

INSTANTIATE_TEST_SUITE_P(Loops, FigureTest,
                         testing::Values(
                             // x(3) shows that the numerator is summed in 64 bits (32-bit sums give
                             // 0.5600000619888306).
                             Figure{"ProportionalControllerFirstOrderPlant",
                                    kExampleController,
                                    kExamplePlant,
                                    false,
                                    Shape::kZero,
                                    Shape::kStep,
                                    {{kX, 0, 0},
                                     {kX, 1, 0},
                                     {kX, 2, 0.4000000059604645},
                                     {kX, 3, 0.5600000023841858},
                                     {kY, 0, 0},
                                     {kY, 1, -2},
                                     {kY, 2, -1.2000000476837158},
                                     {kY, 3, -0.8799999952316284},
                                     {kX, 500, 0.6666666269302368},
                                     {kY, 500, -0.6666667461395264}}},
                             // y(27) shows that the block input x - w is rounded to 32 bits (kept
                             // in 64 bits it gives -2.8640711307525635).
                             Figure{"PDControllerSecondOrderPlant",
                                    {0, 1, 0, 1, 2, 0, 0},
                                    {2, 3, 1, 1, 0, 0, 2},
                                    false,
                                    Shape::kZero,
                                    Shape::kStep,
                                    {{kY, 1, -3},
                                     {kY, 2, -4},
                                     {kY, 3, -3.5},
                                     {kY, 4, -1.75},
                                     {kX, 1, 0},
                                     {kX, 2, 0},
                                     {kX, 3, 0.5},
                                     {kX, 4, 1.25},
                                     {kY, 27, -2.8640708923339844}}},
                             Figure{"ControllerFirst",
                                    {0, 0, 1, 1, 0, 0, 2},
                                    {0, 1, 1, 1, 0, 0, 0},
                                    false,
                                    Shape::kZero,
                                    Shape::kStep,
                                    {{kY, 1, 0},
                                     {kY, 2, 0},
                                     {kX, 3, 0.5},
                                     {kY, 3, -1},
                                     {kX, 4, 0.75},
                                     {kY, 4, -1},
                                     {kX, 5, 0.625},
                                     {kY, 5, -0.5}}},
                             Figure{"CutLoop",
                                    {0, 0, 1, 1, 0, 0, 0},
                                    {0, 1, 1, 1, 0, 0, 0},
                                    true,
                                    Shape::kImpulse,
                                    Shape::kZero,
                                    {{kX, 1, 0.5}, {kX, 2, 0.25}, {kX, 3, 0.125}, {kX, 4, 0.0625}}}),
                         [](const testing::TestParamInfo<Figure>& test) { return test.param.name; });

// Every operation of the difference equation rounds at its own width: 32 bits
// for the first-difference, gain and second output products and for the
// denominator, 64 bits for the rest. Each figure fails when one operation of
// its group is computed at the other width, fused into a multiply-add or
// summed in another order.
constexpr Single kThird = 1.0f / 3;
constexpr double kMinusInf = -std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Widths, FigureTest,
    testing::Values(
        // x(6): in0 − 2·in1, + in2 and · K2 are 64-bit.
        Figure{"SecondDifferenceTerm",
               {0, 0, 0.7f, 0, 0, 0.5f, 2},
               {3, 0, 0, 0, 0, 0.5f, 2},
               false,
               Shape::kZero,
               Shape::kStep,
               {{kY, 3, -0.71428573131561279}, {kX, 5, 0.1190476194024086}, {kX, 6, -0.1190476268529892}}},
        // x(2): (in0 − in1)·K1 rounds to 32 bits; x(3): so does in0 − in1;
        // y(6): K0·in0 rounds to 32 bits.
        Figure{"FirstDifferenceAndGainTerms",
               {0.1f, 0, 0, 0.7f, 0, 0, 1},
               {kThird, 0, 0, 0, kThird, 0, 0},
               false,
               Shape::kZero,
               Shape::kStep,
               {{kX, 2, 7.0000004768371582}, {kX, 3, -20.999998092651367}, {kY, 6, -790.99945068359375}}},
        // x(4): 2·T2 + T1 and its product with out1 are 64-bit; x(5): T2·out2
        // rounds to 32 bits.
        Figure{"OutputTerms",
               {3, 0, 0, 0, 0, 0.1f, 2},
               {0.1f, 0.7f, 0, 0, 0, kThird, 0},
               false,
               Shape::kZero,
               Shape::kStep,
               {{kX, 3, 0.01388888992369175}, {kX, 4, 0.001736111007630825}, {kX, 5, 2.4111819584504701e-05}}},
        // x(3) and x(5): each of the numerator's four sums is 64-bit.
        Figure{"NumeratorSums",
               {0, 0, kThird, 0, 2, 0, 0},
               {0.7f, 0, 0, 0, 0, 0.5f, 1},
               false,
               Shape::kZero,
               Shape::kStep,
               {{kX, 3, -18.367347717285156}, {kX, 5, -494.7938232421875}}},
        // x(11): the numerator's 64-bit sums run in their written order.
        Figure{"NumeratorOrder",
               {0, 0, 2, 2, 1, 0, 2},
               {0.1f, 0, 1, 1, 0, 0.1f, 1},
               false,
               Shape::kZero,
               Shape::kStep,
               {{kX, 9, -1.6933137114705232e-09}, {kX, 11, 1.5393759877913027e-10}}},
        // y(1): T2 + T1, summed first, rounds to 32 bits; y(4): so does + T0;
        // y(3): the quotient is 64-bit, rounded once when stored.
        Figure{"DenominatorAndQuotient",
               {kThird, 1, 2, 0, 0, kThird, 0},
               {0, 0, 0.7f, 0, 0, 0.7f, 2},
               false,
               Shape::kZero,
               Shape::kStep,
               {{kY, 1, -0.10000000149011612}, {kY, 3, 0.045000001788139343}, {kY, 4, -0.027500003576278687}}},
        // y(3): the controller's zero cancels the plant's pole, leaving only
        // the rounding of (in0 − 2·in1 + in2)·K2, which a fused multiply-add
        // with the first-difference term would skip.
        Figure{"NoFusedSecondDifferenceTerm",
               {0, 0, 7, 0, 10, kThird, 0},
               {0, 0.01f, 0.3f, 0.3f, 0, 0, 0},
               true,
               Shape::kImpulse,
               Shape::kZero,
               {{kX, 1, 0.96774196624755859}, {kY, 2, -1.4285714626312256}, {kY, 3, -1.6539911801283225e-11}}},
        // x(2): the same for (2·T2 + T1)·out1, which a fused multiply-add with
        // the numerator would skip.
        Figure{"NoFusedFirstOutputTerm",
               {0, 0, 1, 1, 0, 0, 0},
               {100, 0.3f, 100, 0, 0.3f, 0, 0},
               true,
               Shape::kImpulse,
               Shape::kZero,
               {{kX, 1, 0.0014977534301578999}, {kX, 2, 7.8658498985084702e-13}}},
        // Products beyond the 32-bit range: y(0) is 0 only if 2·T2 is 64-bit,
        // y(2) finite only if 2·in1 is; y(3) is −∞ because T2·out2 is 32-bit.
        Figure{"OverflowOnlyIn32BitOperations",
               {2e38f, 0, 1, 0, 0, 2e38f, 0},
               {0, 0, 1, 2e38f, 0, 0, 0},
               true,
               Shape::kStep,
               Shape::kZero,
               {{kY, 0, 0}, {kY, 1, 1.9999999360571385e+38}, {kY, 2, 1.9999999360571385e+38}, {kY, 3, kMinusInf}}}),
    [](const testing::TestParamInfo<Figure>& test) { return test.param.name; });

TEST_F(LoopTest, CutLoopControllerFollowsThePlantAtEveryStep) {
  Inputs(Shape::kImpulse, Shape::kZero);
  Run({0, 0, 1, 1, 0, 0, 0}, {0, 1, 1, 1, 0, 0, 0}, true);
  for (Integer t = 0; t <= 500; ++t) ASSERT_EQ(y(t), x(t)) << t;
}

// Which block goes first shows only where the first one has no dead time in
// whole steps: it then reads what s holds for the other's current step, here
// a stale marker. Controller y = x - w, plant x = z - y, w a unit step.
TEST_F(LoopTest, EvaluationOrderFollowsTheUnconvertedDeadTimes) {
  struct Case {
    const char* name;
    Single controllerTau, plantTau;
    bool cut;
    double x1, y1;
  };
  const Case cases[] = {
      {"equal dead times: plant first", 0, 0, false, -20, -21},
      {"larger plant dead time: plant first", 0, 0.5f, false, -20, -21},
      {"equal fractions: plant first", 0.5f, 0.5f, false, -20, -21},
      {"larger controller dead time: controller first", 0.5f, 0, false, -9, 9},
      {"cut: plant first", 0.5f, 0, true, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (Integer t = 0; t <= 500; ++t) {
      s_(kX, t) = 10;
      s_(kY, t) = 20;
    }
    Run({0, 0, 1, 1, 0, 0, c.controllerTau}, {0, 0, 1, 1, 0, 0, c.plantTau}, c.cut);
    EXPECT_EQ(x(0), 0);
    EXPECT_EQ(y(0), 0);
    EXPECT_EQ(x(1), c.x1);
    EXPECT_EQ(y(1), c.y1);
  }
}

TEST_F(LoopTest, ValueTableHasOneRowPerStep) {
  Run(kExampleController, kExamplePlant);
  ASSERT_EQ(sink_.rows.size(), 501u);
  for (Integer t = 0; t <= 500; ++t) {
    const auto& row = sink_.rows[static_cast<std::size_t>(t)];
    ASSERT_EQ(row.size(), 5u) << t;
    EXPECT_EQ(row[0], std::to_string(t));
  }
  using Row = std::vector<String>;
  EXPECT_EQ(sink_.rows[0], (Row{"0", " 0.00", " 0.00", " 0.00", " 0.00"}));
  EXPECT_EQ(sink_.rows[1], (Row{"1", " 0.00", " -2.00", " 0.00", " 1.00"}));
  EXPECT_EQ(sink_.rows[3], (Row{"3", " 0.56", " -0.88", " 0.00", " 1.00"}));
  EXPECT_EQ(sink_.rows[500], (Row{"500", " 0.67", " -0.67", " 0.00", " 1.00"}));
}

TEST_F(LoopTest, HandDrawnReferenceRunKeepsTheStepsAfterTime) {
  for (Integer t = 0; t <= 500; ++t) {
    s_(kX, t) = 5;
    s_(kY, t) = 6;
  }
  Run(kExampleController, kExamplePlant, false, 50);
  ASSERT_EQ(sink_.rows.size(), 51u);
  EXPECT_EQ(sink_.rows.back()[0], "50");
  EXPECT_EQ(x(3), 0.5600000023841858);
  EXPECT_NE(x(50), 5);
  for (Integer t = 51; t <= 500; ++t) {
    ASSERT_EQ(x(t), 5) << t;
    ASSERT_EQ(y(t), 6) << t;
  }
}

TEST(ValueCell, BlankAndTwoDecimals) {
  EXPECT_EQ(ValueCell(0.0f), " 0.00");
  EXPECT_EQ(ValueCell(-0.004f), " 0.00");
  EXPECT_EQ(ValueCell(-2.0f), " -2.00");
  EXPECT_EQ(ValueCell(0.375f), " 0.38");
  EXPECT_EQ(ValueCell(1234.5f), " 1234.50");
  EXPECT_EQ(ValueCell(kInf), " ∞");
  EXPECT_EQ(ValueCell(-kInf), " -∞");
  EXPECT_EQ(ValueCell(kNaN), " NaN");
}

// The cell is written without Format for speed; its text must be Format's to
// the last character: across every exponent and both signs, close around the
// halves of a cent where the rounding turns, and at the special values.
TEST(ValueCell, WritesExactlyWhatFormatWrites) {
  const auto expectFormat = [](Single v) {
    ASSERT_EQ(ValueCell(v), " " + fw::Format(static_cast<fw::Double>(v), "-###.00"))
        << std::setprecision(9) << v << " (bits " << std::hex << std::bit_cast<std::uint32_t>(v) << ")";
  };
  for (std::uint64_t bits = 0; bits <= 0xFFFFFFFFu; bits += 8191)
    expectFormat(std::bit_cast<Single>(static_cast<std::uint32_t>(bits)));
  for (int cents = -100000; cents <= 100000; ++cents) {
    Single v = static_cast<Single>((cents + 0.5) / 100.0);
    for (int k = 0; k < 2; ++k) v = std::nextafter(v, -kInf);
    for (int k = 0; k < 5; ++k, v = std::nextafter(v, kInf)) expectFormat(v);
  }
  constexpr auto lim = std::numeric_limits<Single>{};
  for (const Single v :
       {0.0f,      -0.0f,      kInf,       -kInf,      kNaN,         -kNaN,       lim.denorm_min(), -lim.denorm_min(),
        lim.min(), -lim.min(), lim.max(),  -lim.max(), lim.lowest(), 0.005f,      -0.005f,          0.125f,
        -0.125f,   2.675f,     -0.004999f, 1e-30f,     -1e-30f,      16777216.0f, -1.2036e8f,       3e38f})
    expectFormat(v);
}

// ---- Inputs outside the loop model ---------------------------------------------

// Dead times are cut to whole steps, and below 0 count as 0: each of these runs
// must equal the run with the whole-number dead times.
TEST_F(LoopTest, DeadTimesCountInWholeStepsFromZero) {
  struct Case {
    const char* name;
    Single controllerTau, plantTau;
    Single sameAsController, sameAsPlant;
  };
  const Case cases[] = {
      {"fraction cut off", 0, 1.9f, 0, 1},
      {"negative controller", -3, 1, 0, 1},
      {"negative plant, controller first", 2, -1, 2, 0},
      {"NaN as 0, plant first", kNaN, 1, 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Run({0, 1, 1, 1, 0, 0, c.sameAsController}, {0, 4, 1, 1, 0, 0, c.sameAsPlant});
    const auto expected = sink_.rows;
    Run({0, 1, 1, 1, 0, 0, c.controllerTau}, {0, 4, 1, 1, 0, 0, c.plantTau});
    EXPECT_EQ(sink_.rows, expected);
  }
}

TEST_F(LoopTest, HugeDeadTimeMeansTheInputNeverArrives) {
  for (const Single tau : {3e9f, 2147483520.0f, kInf}) {
    SCOPED_TRACE(tau);
    Run(kExampleController, {0, 4, 1, 1, 0, 0, tau});
    for (Integer t = 0; t <= 500; ++t) ASSERT_EQ(x(t), 0) << t;
    EXPECT_EQ(y(1), -2);
    EXPECT_EQ(y(500), -2);
  }
}

TEST_F(LoopTest, ZeroDenominatorYieldsZero) {
  // 1 + 1e-8 is 1 in 32 bits, so T2 + T1 + T0 is 0 though the exact sum is not.
  for (const Par& controller : {Par{1, -1, 0, 1, 0, 0, 0}, Par{1, 1e-8f, -1, 1, 0, 0, 0}, Par{0, 0, 0, 1, 0, 0, 0}}) {
    Run(controller, kExamplePlant);
    for (Integer t = 0; t <= 500; ++t) ASSERT_EQ(y(t), 0) << t;
    EXPECT_EQ(sink_.rows[9][2], " 0.00");
  }
}

TEST_F(LoopTest, MissingParametersCountAsZero) {
  Run({0, 0, 1, 2}, kExamplePlant);
  const auto expected = sink_.rows;
  Run(kExampleController, kExamplePlant);
  EXPECT_EQ(sink_.rows, expected);
  Run({}, {});
  ASSERT_EQ(sink_.rows.size(), 501u);
  EXPECT_EQ(x(500), 0);
  EXPECT_EQ(y(500), 0);
}

TEST_F(LoopTest, NonFiniteParametersGiveNonFiniteSignalsOnly) {
  Run({0, 0, 1, kNaN, 0, 0, 0}, kExamplePlant);
  EXPECT_TRUE(std::isnan(y(1)));
  EXPECT_TRUE(std::isnan(x(500)));
  EXPECT_EQ(sink_.rows[500][2], " NaN");
  // An infinite gain meets the input 0 at step 0: inf * 0 is NaN from there on.
  Run({0, 0, 1, kInf, 0, 0, 0}, kExamplePlant);
  EXPECT_TRUE(std::isnan(y(0)));
  // A quotient beyond the 32-bit range is stored as infinity.
  Run({0, 0, 1e-38f, 3e38f, 0, 0, 0}, kExamplePlant);
  EXPECT_EQ(y(0), 0);
  EXPECT_EQ(y(1), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(sink_.rows[1][2], " -∞");
  Run({0, 0, kInf, 1, 0, 0, 0}, {kNaN, kInf, -kInf, 1, kNaN, 1, 1});
  EXPECT_EQ(sink_.rows.size(), 501u);
}

TEST_F(LoopTest, RunIsLimitedToWhatTheMatrixHolds) {
  // Fewer steps than Time.
  s_.Resize(4, 100);
  Run(kExampleController, kExamplePlant);
  EXPECT_EQ(sink_.rows.size(), 101u);
  EXPECT_EQ(x(3), 0.5600000023841858);

  // No z and w rows: they read as 0, and their cells are " 0.00".
  s_.Resize(2, 500);
  Run(kExampleController, kExamplePlant);
  ASSERT_EQ(sink_.rows.size(), 501u);
  EXPECT_EQ(sink_.rows[7], (std::vector<String>{"7", " 0.00", " 0.00", " 0.00", " 0.00"}));

  // Nothing at all.
  s_.Resize(-1, -1);
  Run(kExampleController, kExamplePlant);
  EXPECT_TRUE(sink_.rows.empty());
}

TEST_F(LoopTest, NegativeTimeRunsNoStep) {
  s_(kX, 0) = 3;
  s_(kX, 1) = 4;
  Run(kExampleController, kExamplePlant, false, -1);
  EXPECT_TRUE(sink_.rows.empty());
  EXPECT_EQ(x(0), 0);  // the step-0 reset still happens
  EXPECT_EQ(x(1), 4);
}

TEST_F(LoopTest, TableColumnsFollowNSg) {
  LoopRun run;
  run.controller = kExampleController;
  run.plant = kExamplePlant;
  struct Case {
    Integer nSg;
    std::size_t cells;
  };
  for (const Case c : {Case{6, 7}, Case{1, 2}, Case{0, 1}, Case{-5, 1}}) {
    SCOPED_TRACE(c.nSg);
    run.nSg = c.nSg;
    sink_.rows.clear();
    Simulate(s_, run, sink_);
    ASSERT_EQ(sink_.rows.size(), 501u);
    EXPECT_EQ(sink_.rows[1].size(), c.cells);
    if (c.cells == 7) {
      EXPECT_EQ(sink_.rows[1][6], " 0.00");
    }
  }
}

TEST_F(LoopTest, StepZeroResetStopsAtNSg) {
  for (Integer i = 0; i <= 4; ++i) s_(i, 0) = 9;
  LoopRun run;
  run.nSg = 2;
  run.controller = kExampleController;
  run.plant = kExamplePlant;
  Simulate(s_, run);
  EXPECT_EQ(s_(0, 0), 9);
  EXPECT_EQ(s_(kX, 0), 0);
  EXPECT_EQ(s_(kY, 0), -18);  // the controller sees e(0) = x(0) - w(0) = -9
  EXPECT_EQ(s_(kZ, 0), 9);
  EXPECT_EQ(s_(kW, 0), 9);
}

TEST_F(LoopTest, RunWithoutTableComputesTheSameSignals) {
  LoopRun run;
  run.controller = {0, 1, 0, 1, 2, 0, 0};
  run.plant = {2, 3, 1, 1, 0, 0, 2};
  Simulate(s_, run);
  EXPECT_EQ(y(27), -2.8640708923339844);
}

}  // namespace
}  // namespace model
