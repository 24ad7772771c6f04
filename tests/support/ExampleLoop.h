// The loop the window tests and benchmarks type into the parameter fields:
// a P controller on a first-order plant with a dead time of 1. Without
// GoogleTest, so that the benchmarks share it; the model tests take their
// parameters from it (tests/model/ExampleParameters.h).
#pragma once

#include <vector>

#include "Values.h"

// A text for parameter field param(n): n 0 to 6 the controller's T2, T1, T0,
// K0, K1, K2 and dead time, 7 to 13 the plant's.
struct Field {
  fw::Integer n;
  const char* text;
};
using Fields = std::vector<Field>;

// The fields of base, then those of more: a field in both takes its text
// from more.
inline Fields With(Fields base, const Fields& more) {
  base.insert(base.end(), more.begin(), more.end());
  return base;
}

// Controller T0 1, K0 2.
inline const Fields kExampleController = {{2, "1"}, {3, "2"}};
// Plant T1 4, T0 1, K0 1, dead time 1.
inline const Fields kExamplePlant = {{8, "4"}, {9, "1"}, {10, "1"}, {13, "1"}};
inline const Fields kExampleLoop = With(kExampleController, kExamplePlant);
// The example loop with a controller gain of 50: unstable, its values grow
// past any column's width.
inline const Fields kUnstableLoop = With(kExampleLoop, {{3, "50"}});
