// The step-by-step simulation of the loop and its value table.
#pragma once

#include <vector>

#include "SignalMatrix.h"

namespace model {

using fw::String;

// Where the value table's rows go: a list box in the window, or anything else.
class RowSink {
 public:
  virtual ~RowSink() = default;
  // Appends a row whose first cell is `first`; rows are numbered from 0.
  virtual void AddRow(const String& first) = 0;
  virtual void SetCell(Integer row, Integer column, const String& text) = 0;
};

struct LoopRun {
  Integer Time = 500;              // last step to simulate
  Integer nSg = 4;                 // highest signal index
  bool cut = false;                // the loop is cut open: the plant sees z alone
  std::vector<Single> controller;  // Bx(1).par: T2, T1, T0, K0, K1, K2, tau
  std::vector<Single> plant;       // Bx(2).par
};

// Simulates controller and plant for steps 0 to Time, writes x and y into rows
// 1 and 2 of s, and appends one value-table row per step to sink: its first
// cell is the step number, cells 1 to nSg are ValueCell(s(i, t)). The rows are
// addressed by step number, so the sink is expected to be empty.
//
// The run is safe for any input; where it leaves the loop model it does this:
// - It never reads or writes outside s. Steps run from 0 to the smaller of
//   Time and s.StepBound(); Time < 0 runs no step and adds no row (the step-0
//   reset below still happens). A signal row that s lacks reads as 0 and
//   takes no write.
// - Step 0 of rows 1 to nSg is reset to 0, as far as s has them. The table
//   still gets nSg value cells per row; a cell of a row that s lacks is
//   ValueCell(0), " 0.00". nSg < 1 gives rows of the step number alone.
// - A parameter that the vector lacks counts as 0.
// - The dead time in steps is par[6] cut to a whole number (towards zero,
//   saturating, NaN as 0); a negative one counts as 0. Which block goes first
//   is decided on the unconverted values: the controller when its dead time is
//   greater than the plant's and the loop is closed. So two dead times below 1
//   both act as 0, and the block computed first then reads what s held for the
//   other block's current step.
// - A block whose T2 + T1 + T0 (summed in 32 bits) is 0 yields 0 at every
//   step instead of dividing by zero.
// - Infinite or NaN parameters give infinite or NaN signals, written as the
//   table's "∞", "-∞" and "NaN"; nothing is undefined.
void Simulate(SignalMatrix& s, const LoopRun& run, RowSink& sink);

// The same run without the value table, for callers that need the signals only.
void Simulate(SignalMatrix& s, const LoopRun& run);

// The divisor of a block's equation, T2 + T1 + T0, as the run computes it:
// T2 + T1 rounded to 32 bits, then T0 added and rounded again.
Single TimeConstantSum(Single T2, Single T1, Single T0);

// The text of one value-table cell for a signal value: " " and the value with
// two decimals.
String ValueCell(Single value);

}  // namespace model
