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
  Integer Time = 500;                 // last step to simulate
  Integer nSg = 4;                    // highest signal index
  bool cut = false;                   // the loop is cut open: the plant sees z alone
  std::vector<Single> controller;     // Bx(1).par: T2, T1, T0, K0, K1, K2, tau
  std::vector<Single> plant;          // Bx(2).par
};

// Simulates controller and plant for steps 0 to Time, writes x and y into rows
// 1 and 2 of s, and appends one value-table row per step to sink.
void Simulate(SignalMatrix& s, const LoopRun& run, RowSink& sink);

// The text of one value-table cell for a signal value: " " and the value with
// two decimals.
String ValueCell(Single value);

}  // namespace model
