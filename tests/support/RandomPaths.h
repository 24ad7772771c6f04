// Random runs of line segments for the pixel tests of lines: level, upright,
// steep, flat and zero-length segments, on the canvas and across its edges.
#pragma once

#include <random>
#include <vector>

#include "Values.h"

namespace fwtest {

// 1 to 10 points as x, y pairs on a w x h canvas; `across` lets them lie up
// to 20 pixels beyond its edges.
inline std::vector<fw::Integer> RandomPath(std::mt19937& random, bool across, int w, int h) {
  const auto coordinate = [&](int side) {
    return static_cast<fw::Integer>(across ? static_cast<int>(random() % (side + 40)) - 20 : random() % side);
  };
  std::vector<fw::Integer> xy;
  for (int n = 1 + static_cast<int>(random() % 10); n > 0; --n) {
    fw::Integer x = coordinate(w), y = coordinate(h);
    // Often a neighbour of the point before, as on a slowly changing curve.
    if (!xy.empty() && random() % 2 == 0) {
      x = xy[xy.size() - 2] + static_cast<fw::Integer>(random() % 3) - 1;
      y = xy.back() + static_cast<fw::Integer>(random() % 3) - 1;
    }
    // Often the same column or row as the point before, sometimes the same point.
    if (!xy.empty() && random() % 3 == 0) x = xy[xy.size() - 2];
    if (!xy.empty() && random() % 3 == 0) y = xy.back();
    xy.push_back(x);
    xy.push_back(y);
  }
  return xy;
}

}  // namespace fwtest
