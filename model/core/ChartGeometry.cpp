#include "ChartGeometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "HandCurve.h"

namespace model {

Double ShownSteps(Integer sliderValue) { return fw::Round(static_cast<Double>(kGridSpan) / sliderValue); }

Single ChartGeometry::StepPixels() const {
  return steps != 0 ? fw::ToSingle(static_cast<Double>(width) / steps) : 0.0f;
}

Integer ChartGeometry::Column(std::int64_t step) const {
  return fw::ToInteger(fw::Round(static_cast<Double>(StepPixels()) * static_cast<Double>(step)));
}

Single ChartGeometry::HeightOf(Single value) const { return static_cast<Single>(scale * value); }

Integer ChartGeometry::Row(Double heightAbove) const {
  return fw::ToInteger(fw::Round(static_cast<Double>(yZero) - heightAbove));
}

Integer ChartGeometry::HeightAt(Integer row) const { return fw::FitInteger(std::int64_t{yZero} - row); }

Integer ChartGeometry::RowFromBottom(Integer rows) const { return fw::FitInteger(std::int64_t{height} - rows); }

Integer ChartGeometry::RingRadius() const { return steps < 25 ? 4 : fw::ToInteger(fw::Round(100.0 / steps)); }

Integer ChartGeometry::HandStep() const { return fw::ToInteger(fw::Round(static_cast<Double>(width) / kHandSteps)); }

std::vector<Integer> ChartGeometry::GridRows(std::int64_t bound) const {
  const Single a = scale;
  if (a == 0 || !std::isfinite(a)) return {};
  const Double lowerD = fw::Floor(static_cast<Double>(-2 * std::int64_t{yZero}) / a);
  const Double upperD = fw::Ceil(static_cast<Double>(2 * (std::int64_t{height} - yZero)) / a);
  std::int64_t lower = fw::ToInteger(lowerD);
  std::int64_t upper = fw::ToInteger(upperD);
  if (lower > upper) return {};

  const Double half = a * 0.5;
  auto row = [&](std::int64_t i) { return fw::ToInteger(yZero + static_cast<Double>(i) * half); };
  const std::int64_t lastRow = std::min<std::int64_t>(height, bound);
  if (lastRow < 0) return {};
  // The i whose rows lie within -1 .. lastRow + 1, with a line to spare.
  Double iTop = (-1.0 - yZero) / half, iBottom = (lastRow + 1.0 - yZero) / half;
  if (iTop > iBottom) std::swap(iTop, iBottom);
  lower = std::max<std::int64_t>(lower, std::int64_t{fw::ToInteger(fw::Floor(iTop))} - 1);
  upper = std::min<std::int64_t>(upper, std::int64_t{fw::ToInteger(fw::Ceil(iBottom))} + 1);
  if (lower > upper) return {};

  std::vector<Integer> rows;
  if (std::fabs(half) >= 1) {
    for (std::int64_t i = lower; i <= upper; ++i) rows.push_back(row(i));
  } else {
    const std::int64_t from = std::max<std::int64_t>(0, std::min(row(lower), row(upper)));
    const std::int64_t to = std::min<std::int64_t>(lastRow, std::max(row(lower), row(upper)));
    for (std::int64_t y = from; y <= to; ++y) rows.push_back(static_cast<Integer>(y));
  }
  return rows;
}

bool ChartGeometry::HasGridColumns() const { return steps > 0 && std::isfinite(steps); }

bool ChartGeometry::GridColumnsDense() const { return steps > kGridSpan; }

Integer ChartGeometry::GridColumn(std::int64_t line) const {
  return fw::ToInteger(fw::Round(static_cast<Double>(line * kGridSpan) / steps));
}

Double ChartGeometry::LastGridLine(Double steps) { return fw::Floor(steps / kGridLineSteps); }

ChartGeometry::Span ChartGeometry::GridColumnSpan(std::int64_t bound) const {
  const auto last = static_cast<std::int64_t>(LastGridLine(steps));
  const std::int64_t from = std::max<std::int64_t>(0, GridColumn(1));
  const Double lastX = fw::Round(static_cast<Double>(last) * kGridSpan / steps);
  return {from, std::min<std::int64_t>(bound, fw::ToInteger(lastX))};
}

}  // namespace model
