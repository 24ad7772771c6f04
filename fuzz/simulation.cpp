// The input step and the simulation on any signal matrix, with any Time, nSg,
// cut, input shape, hand-drawn curve, y scale and parameter vectors: the
// matrix keeps its bounds, only the elements the run may write change, and the
// value table gets one row per simulated step.
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "Fuzz.h"
#include "Simulation.h"
#include "TestSignals.h"

namespace {

using model::Integer;
using model::SignalMatrix;
using model::Single;

bool Same(Single a, Single b) { return std::bit_cast<std::uint32_t>(a) == std::bit_cast<std::uint32_t>(b); }

std::string At(Integer i, Integer t) { return " at (" + std::to_string(i) + ", " + std::to_string(t) + ")"; }

// Every element of after is as in before, save where changed(i, t) allows.
template <class Allowed>
void CheckOnly(const SignalMatrix& before, const SignalMatrix& after, Allowed changed, const std::string& what) {
  FUZZ_CHECK(after.SignalBound() == before.SignalBound() && after.StepBound() == before.StepBound(), what);
  for (Integer i = 0; i <= before.SignalBound(); ++i) {
    for (Integer t = 0; t <= before.StepBound(); ++t) {
      FUZZ_CHECK(Same(before(i, t), after(i, t)) || changed(i, t), what + At(i, t));
    }
  }
}

struct TableSink : model::RowSink {
  explicit TableSink(Integer nSg) : nSg(nSg) {}
  void AddRow(const model::String& first) override { rows.push_back({first}); }
  void SetCell(Integer row, Integer column, const model::String& text) override {
    FUZZ_CHECK(row >= 0 && static_cast<std::size_t>(row) < rows.size(), "row " + std::to_string(row));
    FUZZ_CHECK(column >= 1 && column <= nSg, "column " + std::to_string(column));
    auto& cells = rows[static_cast<std::size_t>(row)];
    if (cells.size() <= static_cast<std::size_t>(column)) cells.resize(static_cast<std::size_t>(column) + 1);
    cells[static_cast<std::size_t>(column)] = text;
  }
  Integer nSg;
  std::vector<std::vector<model::String>> rows;
};

void CheckInput(SignalMatrix& s, FuzzedDataProvider& data) {
  static constexpr std::string_view kShapes[] = {model::kShapeZero, model::kShapeStep, model::kShapeImpulse,
                                                 model::kShapeHand};
  const Integer sig = fuzz::AnyInteger(data, -1, 6);
  Integer Time = fuzz::AnyInteger(data, -2, 600);
  const Integer timeBefore = Time;
  const std::string shape = data.ConsumeIntegralInRange(0, 7) == 0 ? data.ConsumeRandomLengthString(8)
                                                                   : std::string(data.PickValueInArray(kShapes));
  const bool complete = data.ConsumeIntegralInRange(0, 3) != 0;
  std::vector<Integer> ix(complete ? 51 : data.ConsumeIntegralInRange<std::size_t>(0, 60));
  std::vector<Integer> iy(complete ? 51 : data.ConsumeIntegralInRange<std::size_t>(0, 60));
  for (auto& v : iy) v = fuzz::AnyInteger(data, -300, 300);
  const std::string yScale = data.ConsumeBool() ? data.ConsumeRandomLengthString(12) : "100";

  const SignalMatrix before = s;
  const model::InputResult result = model::FillInput(s, sig, Time, shape, {ix, iy}, yScale);
  const std::string what =
      "input \"" + shape + "\" into row " + std::to_string(sig) + ", Time " + std::to_string(timeBefore);
  CheckOnly(
      before, s, [&](Integer i, Integer) { return i == sig; }, what);
  FUZZ_CHECK(Time == (shape == model::kShapeHand ? 50 : timeBefore), what);
  FUZZ_CHECK(s.Get(sig, 0) == 0.0f, what);
  const bool hand = shape == model::kShapeHand;
  const bool drawn = hand && ix.size() == 51 && iy.size() >= 51;
  FUZZ_CHECK(result.ok == (!hand || drawn) && result.beep == (hand && !drawn), what);
  if (!s.Contains(sig, 0)) return;
  for (Integer t = 1; t <= s.StepBound(); ++t) {
    const Single old = before(sig, t);
    const Single now = s(sig, t);
    Single expected = old;
    if (shape == model::kShapeZero || shape == model::kShapeStep) {
      if (t <= timeBefore) expected = shape == model::kShapeStep ? 1.0f : 0.0f;
    } else if (shape == model::kShapeImpulse) {
      if (t == 1)
        expected = 1.0f;
      else if (t <= timeBefore)
        expected = 0.0f;
    } else if (drawn) {
      if (t > 50) expected = 0.0f;
      FUZZ_CHECK(std::isfinite(now), what + At(sig, t));
    }
    FUZZ_CHECK((drawn && t <= 50) || Same(now, expected), what + At(sig, t));
  }
}

void CheckRun(SignalMatrix& s, FuzzedDataProvider& data) {
  model::LoopRun run;
  run.Time = fuzz::AnyInteger(data, -2, 600);
  run.nSg = fuzz::AnyInteger(data, -2, 8);
  run.cut = data.ConsumeBool();
  run.controller = fuzz::AnyParameters(data);
  run.plant = fuzz::AnyParameters(data);
  const std::string what = "run to Time " + std::to_string(run.Time) + ", nSg " + std::to_string(run.nSg);

  const SignalMatrix before = s;
  const Integer last = std::min(run.Time, s.StepBound());
  // Rows 1 and 2 at the simulated steps, and step 0 of rows 1 to nSg.
  const auto written = [&](Integer i, Integer t) {
    return ((i == model::kX || i == model::kY) && t <= last) || (t == 0 && i >= 1 && i <= run.nSg);
  };
  // A table of nSg cells per row: only for an nSg that a table can hold.
  if (run.nSg > 64) {
    model::Simulate(s, run);
    CheckOnly(before, s, written, what);
    return;
  }
  TableSink sink(run.nSg);
  model::Simulate(s, run, sink);
  CheckOnly(before, s, written, what);

  FUZZ_CHECK(sink.rows.size() == static_cast<std::size_t>(std::max(last + 1, 0)), what);
  for (Integer t = 0; t <= last; ++t) {
    const auto& cells = sink.rows[static_cast<std::size_t>(t)];
    FUZZ_CHECK(cells[0] == fw::Str(t), what);
    FUZZ_CHECK(cells.size() == static_cast<std::size_t>(std::max(run.nSg, 0)) + 1, what);
    for (Integer i = 1; i <= run.nSg; ++i) {
      FUZZ_CHECK(cells[static_cast<std::size_t>(i)] == model::ValueCell(s.Get(i, t)), what + At(i, t));
    }
  }
  // The run without a table computes the same signals.
  SignalMatrix again = before;
  model::Simulate(again, run);
  CheckOnly(
      s, again, [](Integer, Integer) { return false; }, what + ", without a table");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const Integer signalBound = data.ConsumeIntegralInRange(-2, 7);
  const Integer stepBound = data.ConsumeIntegralInRange(-2, 600);
  SignalMatrix s(signalBound, stepBound);
  // Whatever an earlier run left behind: a few values spread over the matrix.
  const auto filled = data.ConsumeIntegralInRange(0, 64);
  for (int n = 0; n < filled; ++n) {
    const Integer i = data.ConsumeIntegralInRange(0, 7);
    const Integer t = data.ConsumeIntegralInRange(0, 600);
    s.Set(i, t, fuzz::AnySingle(data));
  }
  CheckInput(s, data);
  CheckInput(s, data);
  CheckRun(s, data);
  return 0;
}
