// The curve that the user draws by hand on the chart as an input signal: one
// point per step, taken from the pointer as it moves to the right.
#pragma once

#include <vector>

#include "Values.h"

namespace model {

using fw::Integer;

// The curve's last step: it is complete at kHandSteps + 1 points, steps 0 to 50.
inline constexpr Integer kHandSteps = 50;

// The hand-drawn curve: x pixels and heights above the zero line, one point per
// step; point 0 is (0, 0).
struct HandCurve {
  const std::vector<Integer>& ix;
  const std::vector<Integer>& iy;
};

// The curve has all its points when ix ends at step 50; iy must hold as many,
// or the curve is read as incomplete rather than past its end.
bool CurveComplete(const HandCurve& curve);

// What one pointer move over the chart does to the curve.
struct CurveMove {
  enum Kind { kIgnore, kBeep, kTakePoint };
  Kind kind = kIgnore;
  Integer x = 0;       // kTakePoint: the new point's x pixel
  Integer height = 0;  // and its height above the zero line
};

// The pointer at (X, Y) over a chart of width x height pixels whose zero line
// is row yZero. Each step of w = Round(width / 50) pixels to the right takes
// one point, on the largest multiple of w not above X + 1; a pointer left of
// the last point or within its step is ignored, one that skips a step beeps.
// One right of the chart counts as on its last column, so a stroke that leaves
// the chart to the right ends the curve at its last step, however fast it
// crosses the edge; one left of the chart takes no point, nor does a complete
// curve or a chart narrower than half a step per point. A row above or below
// the chart counts as the chart's top or bottom row, so every point lies on
// the chart.
CurveMove NextCurveMove(const HandCurve& curve, Integer X, Integer Y, Integer width, Integer height, Integer yZero);

}  // namespace model
