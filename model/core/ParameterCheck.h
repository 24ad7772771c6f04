// Whether the loop can be simulated with a parameter set, and if not, why.
#pragma once

#include <vector>

#include "Values.h"

namespace model {

using fw::Single;

// Why a parameter set is refused, in the order the checks run; the first
// reason that holds is the one given.
enum class Refusal {
  kNone,                           // the set is accepted
  kNoDeadTime,                     // both dead times 0 while the loop is closed
  kNoControllerGain,               // the controller's K0, K1, K2 all 0
  kNoPlantGain,                    // the plant's K0, K1, K2 all 0
  kNoControllerTimeConstant,       // the controller's T2, T1, T0 all 0
  kNoPlantTimeConstant,            // the plant's T2, T1, T0 all 0
  kValueTooLarge,                  // a parameter that is no finite number
  kDeadTimeNotWhole,               // a dead time below 0 or with a fraction
  kControllerTimeConstantsCancel,  // the controller's T2 + T1 + T0 is 0
  kPlantTimeConstantsCancel,       // the plant's T2 + T1 + T0 is 0
};

// Checks the controller's and the plant's parameters (T2, T1, T0, K0, K1, K2,
// tau each; a parameter that the vector lacks counts as 0); `cut` tells that
// the loop is cut open.
Refusal ParameterRefusal(const std::vector<Single>& controller, const std::vector<Single>& plant, bool cut);

}  // namespace model
