// What the results phase costs in the window, on the offscreen platform: the
// whole OK click into the results, the 500-step run with its 501 rows of 5
// cells written into the real value table, and the chart redraw.
#include <benchmark/benchmark.h>

#include <QFont>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <vector>

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

// The OK click that leads from the reference phase to the results, as the
// user makes it after the example loop with w a unit step and all four curves
// pressed: the table set up, the input filled, the run into the table and
// the chart drawn over.
void BM_ResultsClick(benchmark::State& state) {
  MenuBar1 bar;
  Q q{&bar};
  q.Open();
  q.LosBut_Action(*q.LosBut());
  const char* fields[14] = {"", "", "1", "2", "", "", "", "", "4", "1", "1", "", "", "1"};
  for (fw::Integer n = 0; n < 14; ++n) q.param(n)->SetText(fields[n]);
  q.LosBut_Action(*q.LosBut());
  q.LosBut_Action(*q.LosBut());
  q.friFld()->SetText("Sprung");
  q.LosBut_Action(*q.LosBut());
  for (fw::Integer i = 1; i <= 4; ++i) q.BBtn(i)->SetValue(true);
  for (auto _ : state) {
    q.Phase = 4;
    q.LosBut_Action(*q.LosBut());
    benchmark::DoNotOptimize(q.SigLst()->ListCount());
  }
  if (q.Phase != 5 || q.SigLst()->ListCount() != 501) state.SkipWithError("the click did not reach the results");
}
BENCHMARK(BM_ResultsClick)->Unit(benchmark::kMicrosecond);

// The chart redraw with all four curves pressed: 500 shown steps (no rings)
// and 50 shown steps (a ring at every step). Goal: at 500 shown steps at most
// 1 ms median on the reference machine.
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

// The floor for the redraw at 500 shown steps: the same background, grid,
// frame, letters and curve segments, drawn with one bare painter on a
// 500 x 400 image. The redraw above aims at no more than about 3 times this.
void BM_ChartLinesWithOneBarePainter(benchmark::State& state) {
  OpenLoopWindow w;
  w.q.Eval();
  struct Segment {
    QPoint a, b;
    QColor colour;
  };
  std::vector<Segment> segments;
  const QColor colours[4] = {Qt::black, QColor(180, 0, 0), QColor(0, 180, 0), QColor(0, 0, 180)};
  for (int i = 1; i <= 4; ++i)
    for (int t = 1; t <= 500; ++t) {
      auto y = [&](int step) { return static_cast<int>(200 - 100 * w.q.s.Get(i, step)); };
      segments.push_back({QPoint(t - 1, y(t - 1)), QPoint(t, y(t)), colours[i % 4]});
    }
  QImage image(500, 400, QImage::Format_ARGB32_Premultiplied);
  QFont letterFont("Kaushan Script");
  letterFont.setPixelSize(50);
  QFont legendFont("Liberation Sans");
  legendFont.setPixelSize(24);
  for (auto _ : state) {
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, 500, 400, Qt::white);
    p.setPen(QColor(200, 200, 200));
    for (int y = 0; y <= 400; y += 50) p.drawLine(0, y, 500, y);
    for (int x = 10; x <= 500; x += 10) p.drawLine(x, 0, x, 400);
    p.setPen(Qt::black);
    p.drawRect(0, 0, 499, 399);
    p.setPen(Qt::red);
    p.setFont(letterFont);
    p.drawText(10, 40, "B");
    p.setPen(Qt::black);
    p.drawLine(0, 200, 500, 200);
    p.setFont(legendFont);
    for (int k = 1; k <= 4; ++k) {
      p.setPen(colours[k % 4]);
      p.drawText(470, 418 - 28 * k, "x");
    }
    for (std::size_t n = 0; n < segments.size(); ++n) {
      if (n == 0 || segments[n].colour != segments[n - 1].colour) p.setPen(segments[n].colour);
      p.drawLine(segments[n].a, segments[n].b);
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ChartLinesWithOneBarePainter)->Unit(benchmark::kMicrosecond);

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
