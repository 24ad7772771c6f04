// What the results phase costs in the window, on the offscreen platform: the
// 500-step run with its 501 rows of 5 cells written into the real value
// table, and the chart redraw.
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "Application.h"
#include "MenuBar1.h"
#include "Q.h"

namespace {

// The first loop of the dialogue's example: P controller, first-order plant
// with a dead time of 1, w a unit step.
struct OpenLoopWindow {
  MenuBar1 bar;
  Q q{&bar};
  OpenLoopWindow() {
    q.Open();
    q.NewBx().par = {0, 0, 1, 2, 0, 0, 0};
    q.NewBx().par = {0, 4, 1, 1, 0, 0, 1};
    q.Time = 500;
    q.s.Resize(q.nSg, q.Time);
    for (fw::Integer t = 1; t <= q.Time; ++t) q.s(model::kW, t) = 1.0f;
    q.SigLst()->SetColumnCount(5);
  }
};

void BM_EvalIntoTheValueTable(benchmark::State& state) {
  OpenLoopWindow w;
  for (auto _ : state) {
    w.q.SigLst()->DeleteAllRows();
    w.q.Eval();
    benchmark::DoNotOptimize(w.q.SigLst()->ListCount());
  }
  state.SetItemsProcessed(state.iterations() * 501 * 5);
}
BENCHMARK(BM_EvalIntoTheValueTable)->Unit(benchmark::kMicrosecond);

// The chart redraw with all four curves pressed: 500 shown steps (no rings)
// and 50 shown steps (a ring at every step).
void BM_ChartRedrawAllCurves(benchmark::State& state) {
  OpenLoopWindow w;
  w.q.Eval();
  for (fw::Integer i = 1; i <= 4; ++i) w.q.NewBBtn().SetValue(true);
  w.q.TimeLab()->SetText(fw::Str(static_cast<fw::Integer>(state.range(0))));
  for (auto _ : state) {
    w.q.diagram()->Refresh(true);
    w.q.Drw();
  }
}
BENCHMARK(BM_ChartRedrawAllCurves)->Arg(500)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  fw::EnsureToolkit();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
