// The window's side of the loop model: parameters into the shown equations,
// the test signals, and the simulation with its value table.
#include "Listbox.h"
#include "Q.h"
#include "Simulation.h"
#include "System.h"
#include "TestSignals.h"

namespace {

// The value table's rows go to the list box; without one they go nowhere.
class ListboxRows : public model::RowSink {
 public:
  explicit ListboxRows(fw::Listbox* list) : list_(list) {}
  void AddRow(const fw::String& first) override {
    if (list_ != nullptr) list_->AddRow(first);
  }
  void SetCell(fw::Integer row, fw::Integer column, const fw::String& text) override {
    if (list_ != nullptr) list_->SetCell(row, column, text);
  }

 private:
  fw::Listbox* list_;
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
}
