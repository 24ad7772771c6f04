// The cost of one results step: the 500-step run of a typical loop, with and
// without its value table.
#include <benchmark/benchmark.h>

#include <vector>

#include "Simulation.h"

namespace {

using model::Integer;
using model::String;

// The value table as plain rows of cells, like a list box without drawing.
class TableRows : public model::RowSink {
 public:
  void AddRow(const String& first) override { rows_.push_back({first}); }
  void SetCell(Integer row, Integer column, const String& text) override {
    auto& cells = rows_[static_cast<std::size_t>(row)];
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
  }
  void Clear() { rows_.clear(); }
  std::size_t Cells() const {
    std::size_t n = 0;
    for (const auto& row : rows_) n += row.size();
    return n;
  }

 private:
  std::vector<std::vector<String>> rows_;
};

// Proportional controller on a first-order plant with one step of dead time,
// z zero and w a unit step.
model::LoopRun TypicalLoop() {
  model::LoopRun run;
  run.controller = {0, 0, 1, 2, 0, 0, 0};
  run.plant = {0, 4, 1, 1, 0, 0, 1};
  return run;
}

model::SignalMatrix StepReference() {
  model::SignalMatrix s(4, 500);
  for (Integer t = 1; t <= 500; ++t) s(model::kW, t) = 1.0f;
  return s;
}

void BM_SimulateWithValueTable(benchmark::State& state) {
  model::SignalMatrix s = StepReference();
  const model::LoopRun run = TypicalLoop();
  TableRows table;
  for (auto _ : state) {
    table.Clear();
    model::Simulate(s, run, table);
    benchmark::DoNotOptimize(s(model::kX, 500));
  }
  // 501 rows of the step number and four value cells; 2 004 of the cells are
  // formatted numbers.
  if (table.Cells() != 501 * 5) state.SkipWithError("value table incomplete");
  state.SetItemsProcessed(state.iterations() * 501);
}
BENCHMARK(BM_SimulateWithValueTable);

void BM_SimulateSignalsOnly(benchmark::State& state) {
  model::SignalMatrix s = StepReference();
  const model::LoopRun run = TypicalLoop();
  for (auto _ : state) {
    model::Simulate(s, run);
    benchmark::DoNotOptimize(s(model::kX, 500));
  }
  state.SetItemsProcessed(state.iterations() * 501);
}
BENCHMARK(BM_SimulateSignalsOnly);

}  // namespace
