// Where a signal value lies on the signal chart, and back: the one mapping
// between steps and values and the chart's pixels, for the curves, the grid,
// the hand-drawn curve and the time slider.
#pragma once

#include <cstdint>
#include <vector>

#include "Values.h"

namespace model {

using fw::Double;
using fw::Integer;
using fw::Single;

// The chart is 500 pixels wide and has a vertical grid line every 10 shown
// steps: at Ts shown steps the lines lie 5000 / Ts pixels apart, and the time
// slider's value v (the pixels between two lines) shows 5000 / v steps.
inline constexpr Integer kGridSpan = 5000;
inline constexpr Integer kGridLineSteps = 10;

// The steps that the time slider's value v shows: Round(5000 / v); v is not 0.
Double ShownSteps(Integer sliderValue);

// The chart as its callers read it: its size, the shown steps, the y scale
// (pixels per unit of a signal) and the zero line's row, 0 at the top. Each
// caller fills in what it reads, where it reads it.
struct ChartGeometry {
  Integer width = 0;
  Integer height = 0;
  Double steps = 0;
  Single scale = 0;
  Integer yZero = 0;

  // The pixels per step, W / T stored as a 32-bit float; 0 with no steps.
  Single StepPixels() const;
  // Step t's column, Round(p t) formed in 64 bits from the 32-bit p.
  Integer Column(std::int64_t step) const;
  // A value's height above the zero line, a v rounded to 32 bits; not finite
  // where the value is no number or too large for the scale.
  Single HeightOf(Single value) const;
  // The row of a height above the zero line, Round(yZero - height), and the
  // height of a row: positive heights lie above the zero line.
  Integer Row(Double heightAbove) const;
  Integer HeightAt(Integer row) const;
  // The row that lies `rows` above the chart's bottom edge, H - rows.
  Integer RowFromBottom(Integer rows) const;
  // The ring marker's radius: 4 below 25 shown steps, else Round(100 / T).
  Integer RingRadius() const;
  // The width of one step of the hand-drawn curve, Round(W / 50).
  Integer HandStep() const;

  // The rows of the horizontal grid, a line every a / 2 pixels through the
  // zero line: line i on row yZero + i a / 2 (converted, not rounded) for i
  // from Floor(-2 yZero / a) to Ceil(2 (H - yZero) / a). Only the lines that
  // can fall on rows 0 to `bound` are given; where they lie closer than a
  // pixel apart, every row between the outermost of them. None for a scale of
  // 0 or one that is not finite.
  std::vector<Integer> GridRows(std::int64_t bound) const;

  // The vertical grid at the shown steps: line u at column Round(u 5000 / Ts)
  // for u from 1 while u <= Floor(Ts / 10), the bound that LastGridLine gives.
  // None unless Ts is a positive finite number; beyond 5000 shown steps the
  // lines lie closer than a pixel and fill the columns of GridColumnSpan.
  bool HasGridColumns() const;
  bool GridColumnsDense() const;
  Integer GridColumn(std::int64_t line) const;
  static Double LastGridLine(Double steps);
  struct Span {
    std::int64_t from = 0;
    std::int64_t to = -1;
  };
  // Dense lines: the columns from the first line to the last, at most to `bound`.
  Span GridColumnSpan(std::int64_t bound) const;
};

}  // namespace model
