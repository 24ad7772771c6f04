// The acceptance of a parameter set: each reason for a refusal, the order of
// the checks, and the divisor shared with the simulation.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "ParameterCheck.h"
#include "Simulation.h"

namespace model {
namespace {

using Par = std::vector<Single>;  // T2, T1, T0, K0, K1, K2, tau
constexpr Single kNaN = std::numeric_limits<Single>::quiet_NaN();
constexpr Single kInf = std::numeric_limits<Single>::infinity();

// A P controller on a first-order plant with a dead time of 1.
const Par kController = {0, 0, 1, 2, 0, 0, 0};
const Par kPlant = {0, 4, 1, 1, 0, 0, 1};

struct Case {
  const char* what;
  Par controller;
  Par plant;
  bool cut;
  Refusal expected;
};

TEST(ParameterRefusal, GivesTheFirstReasonThatHolds) {
  const Case cases[] = {
      {"example loop", kController, kPlant, false, Refusal::kNone},
      {"no dead time, closed", kController, {0, 4, 1, 1, 0, 0, 0}, false, Refusal::kNoDeadTime},
      {"no dead time, cut", kController, {0, 4, 1, 1, 0, 0, 0}, true, Refusal::kNone},
      {"no controller gain", {0, 0, 1, 0, 0, 0, 0}, kPlant, false, Refusal::kNoControllerGain},
      {"controller gain K2 alone", {0, 0, 1, 0, 0, 3, 0}, kPlant, false, Refusal::kNone},
      {"no plant gain", kController, {0, 4, 1, 0, 0, 0, 1}, false, Refusal::kNoPlantGain},
      {"no controller time constant", {0, 0, 0, 2, 0, 0, 0}, kPlant, false, Refusal::kNoControllerTimeConstant},
      {"no plant time constant", kController, {0, 0, 0, 1, 0, 0, 1}, false, Refusal::kNoPlantTimeConstant},
      {"everything 0, closed", {}, Par(7, 0.0f), false, Refusal::kNoDeadTime},
      {"everything 0, cut", Par(7, 0.0f), Par(7, 0.0f), true, Refusal::kNoControllerGain},
      {"both without gain", {0, 0, 1, 0, 0, 0, 0}, {0, 4, 1, 0, 0, 0, 1}, false, Refusal::kNoControllerGain},
      {"missing parameters count as 0", {0, 0, 1, 2}, kPlant, false, Refusal::kNone},
      {"infinite gain", {0, 0, 1, 2, kInf, 0, 0}, kPlant, false, Refusal::kValueTooLarge},
      {"NaN time constant", kController, {kNaN, 4, 1, 1, 0, 0, 1}, false, Refusal::kValueTooLarge},
      {"infinite dead time", kController, {0, 4, 1, 1, 0, 0, -kInf}, false, Refusal::kValueTooLarge},
      {"negative dead time", {0, 0, 1, 2, 0, 0, -1}, kPlant, false, Refusal::kDeadTimeNotWhole},
      {"dead time with a fraction", kController, {0, 4, 1, 1, 0, 0, 2.5f}, false, Refusal::kDeadTimeNotWhole},
      {"two dead times below 1", {0, 0, 1, 2, 0, 0, 0.5f}, {0, 4, 1, 1, 0, 0, 0.25f}, false,
       Refusal::kDeadTimeNotWhole},
      {"controller time constants cancel", {1, -1, 0, 2, 0, 0, 0}, kPlant, false,
       Refusal::kControllerTimeConstantsCancel},
      {"plant time constants cancel in 32 bits", kController, {1e8f, 1, -1e8f, 1, 0, 0, 1}, false,
       Refusal::kPlantTimeConstantsCancel},
      {"plant time constants that do not cancel", kController, {1e8f, -1e8f, 1, 1, 0, 0, 1}, false, Refusal::kNone},
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
