// What the dialogue refuses: each reason for refusing a parameter set, the
// order of the checks, the fields as typed, the y scale of a hand-drawn curve,
// and the divisor shared with the simulation.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "ExampleParameters.h"
#include "ParameterCheck.h"
#include "Simulation.h"

namespace model {
namespace {

constexpr Single kNaN = std::numeric_limits<Single>::quiet_NaN();
constexpr Single kInf = std::numeric_limits<Single>::infinity();

struct Case {
  const char* what;
  Par controller;
  Par plant;
  bool cut;
  Refusal expected;
};

TEST(ParameterRefusal, GivesTheFirstReasonThatHolds) {
  const Case cases[] = {
      {"example loop", kExampleController, kExamplePlant, false, Refusal::kNone},
      {"no dead time, closed", kExampleController, {0, 4, 1, 1, 0, 0, 0}, false, Refusal::kNoDeadTime},
      {"no dead time, cut", kExampleController, {0, 4, 1, 1, 0, 0, 0}, true, Refusal::kNone},
      {"no controller gain", {0, 0, 1, 0, 0, 0, 0}, kExamplePlant, false, Refusal::kNoControllerGain},
      {"controller gain K2 alone", {0, 0, 1, 0, 0, 3, 0}, kExamplePlant, false, Refusal::kNone},
      {"no plant gain", kExampleController, {0, 4, 1, 0, 0, 0, 1}, false, Refusal::kNoPlantGain},
      {"no controller time constant", {0, 0, 0, 2, 0, 0, 0}, kExamplePlant, false, Refusal::kNoControllerTimeConstant},
      {"no plant time constant", kExampleController, {0, 0, 0, 1, 0, 0, 1}, false, Refusal::kNoPlantTimeConstant},
      {"everything 0, closed", {}, Par(7, 0.0f), false, Refusal::kNoDeadTime},
      {"everything 0, cut", Par(7, 0.0f), Par(7, 0.0f), true, Refusal::kNoControllerGain},
      {"both without gain", {0, 0, 1, 0, 0, 0, 0}, {0, 4, 1, 0, 0, 0, 1}, false, Refusal::kNoControllerGain},
      {"missing parameters count as 0", {0, 0, 1, 2}, kExamplePlant, false, Refusal::kNone},
      {"infinite gain", {0, 0, 1, 2, kInf, 0, 0}, kExamplePlant, false, Refusal::kValueTooLarge},
      {"NaN time constant", kExampleController, {kNaN, 4, 1, 1, 0, 0, 1}, false, Refusal::kValueTooLarge},
      {"infinite dead time", kExampleController, {0, 4, 1, 1, 0, 0, -kInf}, false, Refusal::kValueTooLarge},
      {"negative dead time", {0, 0, 1, 2, 0, 0, -1}, kExamplePlant, false, Refusal::kDeadTimeNotWhole},
      {"dead time with a fraction", kExampleController, {0, 4, 1, 1, 0, 0, 2.5f}, false, Refusal::kDeadTimeNotWhole},
      {"two dead times below 1",
       {0, 0, 1, 2, 0, 0, 0.5f},
       {0, 4, 1, 1, 0, 0, 0.25f},
       false,
       Refusal::kDeadTimeNotWhole},
      {"controller time constants cancel",
       {1, -1, 0, 2, 0, 0, 0},
       kExamplePlant,
       false,
       Refusal::kControllerTimeConstantsCancel},
      {"plant time constants cancel in 32 bits",
       kExampleController,
       {1e8f, 1, -1e8f, 1, 0, 0, 1},
       false,
       Refusal::kPlantTimeConstantsCancel},
      {"plant time constants that do not cancel",
       kExampleController,
       {1e8f, -1e8f, 1, 1, 0, 0, 1},
       false,
       Refusal::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParameterRefusal(c.controller, c.plant, c.cut), c.expected) << c.what;
  }
}

// The fourteen fields as typed, the controller's first. A comma is refused
// before any number is looked at; otherwise the texts read as the dialogue
// stores them.
TEST(ParameterFieldsRefusal, RefusesACommaFirstAndReadsTheRestWithVal) {
  using Fields = std::vector<fw::String>;
  const Fields example = {"0", "0", "1", "2", "0", "0", "0", "0", "4", "1", "1", "0", "0", "1"};
  const auto with = [&example](std::size_t field, const char* text) {
    Fields fields = example;
    fields[field] = text;
    return fields;
  };
  const struct {
    const char* what;
    Fields fields;
    bool cut;
    Refusal expected;
  } cases[] = {
      {"example loop", example, false, Refusal::kNone},
      {"comma in the controller's K0", with(3, "0,5"), false, Refusal::kDecimalComma},
      {"comma in the plant's dead time", with(13, "1,0"), false, Refusal::kDecimalComma},
      {"a lone comma", with(0, ","), false, Refusal::kDecimalComma},
      // Read as 0 up to the comma, the set would lack a dead time: the comma wins.
      {"comma before a refused set", with(13, "0,5"), false, Refusal::kDecimalComma},
      {"comma while cut", with(13, "0,5"), true, Refusal::kDecimalComma},
      {"decimal point", with(3, "0.5"), false, Refusal::kNone},
      {"plant dead time 0, closed", with(13, "0"), false, Refusal::kNoDeadTime},
      {"plant dead time 0, cut", with(13, "0"), true, Refusal::kNone},
      {"text that is no number reads as 0", with(3, "abc"), false, Refusal::kNoControllerGain},
      {"empty field reads as 0", with(8, ""), false, Refusal::kNone},
      {"too large for 32 bits", with(9, "1e39"), false, Refusal::kValueTooLarge},
      {"dead time with a fraction", with(6, "0.5"), false, Refusal::kDeadTimeNotWhole},
      {"no fields at all", {}, true, Refusal::kNoControllerGain},
      {"missing plant fields", Fields(example.begin(), example.begin() + 7), false, Refusal::kNoDeadTime},
      {"a fifteenth field is not a parameter",
       [&example] {
         Fields fields = example;
         fields.push_back("1,5");
         return fields;
       }(),
       false, Refusal::kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ParameterFieldsRefusal(c.fields, c.cut), c.expected) << c.what;
  }
}

// Only a complete hand-drawn curve is read with the y scale, so only then is
// a scale that divides into nothing refused.
TEST(HandScaleRefusal, RefusesAnUnusableScaleForACompleteHandCurve) {
  std::vector<Integer> ix, iy;
  for (Integer t = 0; t <= kHandSteps; ++t) {
    ix.push_back(10 * t);
    iy.push_back(20);
  }
  const std::vector<Integer> someX(ix.begin(), ix.begin() + 10), someY(iy.begin(), iy.begin() + 10);
  const HandCurve complete{ix, iy};
  const HandCurve incomplete{someX, someY};
  const struct {
    const char* shape;
    bool complete;
    const char* yScale;
    Refusal expected;
  } cases[] = {
      {"Hand", true, "100", Refusal::kNone},
      {"Hand", true, "-3", Refusal::kNone},
      {"Hand", true, "1e-300", Refusal::kNone},  // usable; the quotient is what FillInput guards
      {"Hand", true, "0", Refusal::kZeroScale},
      {"Hand", true, "-0", Refusal::kZeroScale},
      {"Hand", true, "", Refusal::kZeroScale},
      {"Hand", true, "abc", Refusal::kZeroScale},
      {"Hand", true, "1e400", Refusal::kZeroScale},
      {"Hand", true, "0,5", Refusal::kZeroScale},  // Val reads the 0 before the comma
      {"Hand", false, "0", Refusal::kNone},        // FillInput refuses the curve itself
      {"Sprung", true, "0", Refusal::kNone},
      {" ", true, "", Refusal::kNone},
      {"hand", true, "0", Refusal::kNone},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(HandScaleRefusal(c.shape, c.complete ? complete : incomplete, c.yScale), c.expected)
        << '"' << c.shape << "\" " << c.complete << " \"" << c.yScale << '"';
  }
}

// The check refuses exactly the sets whose divisor the simulation finds 0:
// T2 + T1 is rounded to 32 bits before T0 is added.
TEST(TimeConstantSum, RoundsEachSumTo32Bits) {
  EXPECT_EQ(TimeConstantSum(1e8f, 1, -1e8f), 0.0f);
  EXPECT_EQ(TimeConstantSum(1e8f, -1e8f, 1), 1.0f);
  EXPECT_EQ(TimeConstantSum(1, 1e-8f, -1), 0.0f);
  EXPECT_EQ(TimeConstantSum(0, 4, 1), 5.0f);
}

}  // namespace
}  // namespace model
