// The acceptance of a parameter set: each reason for a refusal, the order of
// the checks, and the divisor shared with the simulation.
#include <gtest/gtest.h>

#include <limits>
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
      {"two dead times below 1", {0, 0, 1, 2, 0, 0, 0.5f}, {0, 4, 1, 1, 0, 0, 0.25f}, false,
       Refusal::kDeadTimeNotWhole},
      {"controller time constants cancel", {1, -1, 0, 2, 0, 0, 0}, kExamplePlant, false,
       Refusal::kControllerTimeConstantsCancel},
      {"plant time constants cancel in 32 bits", kExampleController, {1e8f, 1, -1e8f, 1, 0, 0, 1}, false,
       Refusal::kPlantTimeConstantsCancel},
      {"plant time constants that do not cancel", kExampleController, {1e8f, -1e8f, 1, 1, 0, 0, 1}, false,
       Refusal::kNone},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParameterRefusal(c.controller, c.plant, c.cut), c.expected) << c.what;
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
