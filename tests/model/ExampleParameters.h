// A block's parameters as the model holds them, T2, T1, T0, K0, K1, K2 and
// the dead time, and those of the example loop the tests run: a P controller
// on a first-order plant with a dead time of 1.
#pragma once

#include <vector>

#include "Values.h"

namespace model {

using Par = std::vector<fw::Single>;

inline const Par kExampleController = {0, 0, 1, 2, 0, 0, 0};
inline const Par kExamplePlant = {0, 4, 1, 1, 0, 0, 1};

}  // namespace model
