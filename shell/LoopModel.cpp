// The window's side of the loop model: parameters into the shown equations,
// the test signals, and the simulation with its value table.
#include <cstdint>
#include <vector>

#include "Listbox.h"
#include "Q.h"
#include "Simulation.h"
#include "System.h"
#include "TestSignals.h"

namespace {

// The value table's rows go to the list box; without one they go nowhere.
// The rows of a run are gathered here and handed over in one go when the run
// is done, so the table's view is updated once rather than for every cell.
class ListboxRows : public model::RowSink {
 public:
  explicit ListboxRows(fw::Listbox* list)
      : list_(list),
        first_(list != nullptr ? list->ListCount() : 0),
        columns_(list != nullptr ? list->ColumnCount() : 0) {}
  void AddRow(const fw::String& first) override {
    if (list_ != nullptr) rows_.push_back({first});
  }
  // A row is addressed by its number in the list, the rows gathered included;
  // as in the list, a cell beyond its columns takes no text.
  void SetCell(fw::Integer row, fw::Integer column, const fw::String& text) override {
    if (column < 0 || column >= columns_) return;
    if (row < first_) {
      list_->SetCell(row, column, text);
      return;
    }
    const auto r = static_cast<std::size_t>(std::int64_t{row} - first_);
    if (r >= rows_.size()) return;
    auto& cells = rows_[r];
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
  }
  void HandOver() {
    if (list_ != nullptr) list_->AddRows(std::move(rows_));
    rows_.clear();
  }

 private:
  fw::Listbox* list_;
  fw::Integer first_;
  fw::Integer columns_;
  std::vector<std::vector<fw::String>> rows_;
};

std::vector<fw::Single> ParametersOf(const Blackbox* block) {
  return block != nullptr ? block->par : std::vector<fw::Single>{};
}

}  // namespace

void Q::ParReady() {
  for (actual = 1; actual <= 2; ++actual) {
    Blackbox* block = Bx(actual);
    if (block == nullptr) continue;
    model::WriteParameters(*block);
    block->Refresh(true);
  }
}

void Q::input(Integer sig, bool& ok) {
  const model::InputResult result =
      model::FillInput(s, sig, Time, TextOf(friFld()), model::HandCurve{ix, iy}, TextOf(yFld()));
  ok = result.ok;
  if (result.beep) fw::Beep();
  if (result.repaintChart) {
    if (fw::Canvas* chart = diagram()) chart->Refresh(true);
  }
}

void Q::Eval() {
  model::LoopRun run;
  run.Time = Time;
  run.nSg = nSg;
  run.cut = cut;
  run.controller = ParametersOf(Bx(1));
  run.plant = ParametersOf(Bx(2));
  ListboxRows rows(SigLst());
  model::Simulate(s, run, rows);
  rows.HandOver();
}
