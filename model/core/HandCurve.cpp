#include "HandCurve.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "ChartGeometry.h"

namespace model {

namespace {

// The largest multiple of w that is not above v (w > 0).
std::int64_t FloorMultiple(std::int64_t v, std::int64_t w) {
  std::int64_t q = v / w;
  if (v % w != 0 && v < 0) --q;
  return q * w;
}

}  // namespace

bool CurveComplete(const HandCurve& curve) {
  const auto points = static_cast<std::size_t>(kHandSteps) + 1;
  return curve.ix.size() == points && curve.iy.size() >= points;
}

CurveMove NextCurveMove(const HandCurve& curve, Integer X, Integer Y, Integer width, Integer height, Integer yZero) {
  const ChartGeometry chart{.width = width, .height = height, .yZero = yZero};
  const Integer w = chart.HandStep();
  if (w <= 0) return {};
  if (X < 0 || curve.ix.size() > static_cast<std::size_t>(kHandSteps)) return {};
  X = std::min<Integer>(X, width - 1);
  if (height > 0) Y = std::clamp<Integer>(Y, 0, height - 1);

  const std::int64_t last = curve.ix.empty() ? 0 : curve.ix.back();
  if (X < last) return {};
  const std::int64_t xq = FloorMultiple(std::int64_t{X} + 1, w);
  if (xq == last) return {};
  if (xq - last > w) return {CurveMove::kBeep};
  return {CurveMove::kTakePoint, fw::FitInteger(xq), chart.HeightAt(Y)};
}

}  // namespace model
