// A block's parameters as the model holds them, T2, T1, T0, K0, K1, K2 and
// the dead time, and those of the example loop the tests run: a P controller
// on a first-order plant with a dead time of 1, read from the field texts the
// window tests type (ExampleLoop.h).
#pragma once

#include <cstddef>
#include <vector>

#include "ExampleLoop.h"
#include "Values.h"

namespace model {

using Par = std::vector<fw::Single>;

// The parameters of the fields first to first + 6 (0 the controller's, 7 the
// plant's), 0 where no field is given.
inline Par ParOf(const Fields& fields, fw::Integer first) {
  Par p(7, 0);
  for (const Field& f : fields)
    if (f.n >= first && f.n < first + 7)
      p[static_cast<std::size_t>(f.n - first)] = static_cast<fw::Single>(fw::Val(f.text));
  return p;
}

inline const Par kExampleController = ParOf(::kExampleController, 0);  // {0, 0, 1, 2, 0, 0, 0}
inline const Par kExamplePlant = ParOf(::kExamplePlant, 7);            // {0, 4, 1, 1, 0, 0, 1}

}  // namespace model
