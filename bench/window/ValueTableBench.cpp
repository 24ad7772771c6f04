// What the results phase costs in the window, on the offscreen platform: the
// whole OK click into the results, the 500-step run with its 501 rows of 5
// cells written into the real value table, and the chart redraw.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QTableView>
#include <QWidget>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "Application.h"
#include "ExampleLoop.h"
#include "MenuBar1.h"
#include "Q.h"
#include "Simulation.h"

namespace {

// The window after the parameter phase of the example loop: its fields
// typed and taken by OK, both blocks holding the loop, in the disturbance
// phase.
struct ExampleLoopWindow {
  MenuBar1 bar;
  Q q{&bar};
  ExampleLoopWindow() {
    q.Open();
    Ok();
    for (const Field& f : kExampleLoop) q.param(f.n)->SetText(f.text);
    Ok();
  }
  void Ok() { q.LosBut_Action(*q.LosBut()); }
};

// ... with what a run needs beside the loop: w a unit step over 500 steps
// and the value table's five columns.
struct ReadyToRunWindow : ExampleLoopWindow {
  ReadyToRunWindow() {
    for (fw::Integer t = 1; t <= q.Time; ++t) q.s(model::kW, t) = 1.0f;
    q.SigLst()->SetColumnCount(5);
  }
};

void BM_EvalIntoTheValueTable(benchmark::State& state) {
  ReadyToRunWindow w;
  for (auto _ : state) {
    w.q.SigLst()->DeleteAllRows();
    w.q.Eval();
    benchmark::DoNotOptimize(w.q.SigLst()->ListCount());
  }
  state.SetItemsProcessed(state.iterations() * 501 * 5);
}
BENCHMARK(BM_EvalIntoTheValueTable)->Unit(benchmark::kMicrosecond);

// The window just before the OK click that leads from the reference phase
// to the results, as the user reaches it after the example loop with w a
// unit step and all four curves pressed.
struct ReferencePhaseWindow : ExampleLoopWindow {
  ReferencePhaseWindow() {
    Ok();
    q.friFld()->SetText("Sprung");
    Ok();
    for (fw::Integer i = 1; i <= 4; ++i) q.BBtn(i)->SetValue(true);
  }
  // The click: the table set up, the input filled, the run into the table and
  // the chart drawn over.
  void Click() {
    q.Phase = 4;
    Ok();
  }
  bool ReachedTheResults() const { return q.Phase == 5 && q.SigLst()->ListCount() == 501; }
};

void BM_ResultsClick(benchmark::State& state) {
  ReferencePhaseWindow w;
  for (auto _ : state) {
    w.Click();
    benchmark::DoNotOptimize(w.q.SigLst()->ListCount());
  }
  if (!w.ReachedTheResults()) state.SkipWithError("the click did not reach the results");
}
BENCHMARK(BM_ResultsClick)->Unit(benchmark::kMicrosecond);

// The floor for the click: its work done the plain way with Qt. The same
// 500-step run; its 2 004 values (and 501 step numbers) written with
// std::to_chars; one model reset of 501 x 5 cells behind a shown QTableView of
// the table's size; and what Drw draws at 10 shown steps (the zero line, four
// legend letters, four curves of 10 segments with a ring at each step) with
// one QPainter on a 500 x 400 image.
class PlainCells : public QAbstractTableModel {
 public:
  std::vector<std::array<std::string, 5>> rows;
  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 5; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    return QString::fromStdString(rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
  }
  void Reset(std::vector<std::array<std::string, 5>> next) {
    beginResetModel();
    rows = std::move(next);
    endResetModel();
  }
};

void BM_ResultsClickFloor(benchmark::State& state) {
  ReadyToRunWindow w;
  model::LoopRun run;
  run.controller = w.q.Bx(1)->par;
  run.plant = w.q.Bx(2)->par;
  PlainCells cells;
  QTableView table;
  table.setModel(&cells);
  table.resize(400, 355);
  table.show();
  QImage chart(500, 400, QImage::Format_ARGB32_Premultiplied);
  chart.fill(Qt::white);
  QFont legendFont("Liberation Sans");
  legendFont.setPixelSize(24);
  const QColor colours[4] = {Qt::black, QColor(180, 0, 0), QColor(0, 180, 0), QColor(0, 0, 180)};
  for (auto _ : state) {
    model::Simulate(w.q.s, run);
    std::vector<std::array<std::string, 5>> rows(501);
    for (int t = 0; t <= 500; ++t) {
      std::array<char, 48> buffer;
      auto& row = rows[static_cast<std::size_t>(t)];
      row[0].assign(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), t).ptr);
      for (int i = 1; i <= 4; ++i) {
        buffer[0] = ' ';
        const double v = w.q.s.Get(i, t);
        char* end =
            std::to_chars(buffer.data() + 1, buffer.data() + buffer.size(), v, std::chars_format::fixed, 2).ptr;
        row[static_cast<std::size_t>(i)].assign(buffer.data(), end);
      }
    }
    cells.Reset(std::move(rows));
    QPainter p(&chart);
    p.setPen(colours[0]);
    p.drawLine(0, 200, 500, 200);
    p.setFont(legendFont);
    for (int i = 1; i <= 4; ++i) {
      const QColor colour = colours[i % 4];
      p.setPen(colour);
      p.drawText(470, 418 - 28 * i, QStringLiteral("xyzw").mid(i - 1, 1));
      auto point = [&](int t) { return QPoint(50 * t, static_cast<int>(std::lround(200 - 100 * w.q.s.Get(i, t)))); };
      for (int t = 1; t <= 10; ++t) {
        p.setBrush(Qt::NoBrush);
        p.drawLine(point(t - 1), point(t));
        p.setPen(Qt::white);
        p.setBrush(Qt::white);
        p.drawEllipse(QRect(point(t - 1) - QPoint(4, 4), QSize(8, 8)));
        p.setPen(colour);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(point(t - 1) - QPoint(4, 4), QSize(8, 8)));
      }
    }
    p.end();
    benchmark::DoNotOptimize(chart.constBits());
  }
}
BENCHMARK(BM_ResultsClickFloor)->Unit(benchmark::kMicrosecond);

// What the user waits for: the click together with the events it leaves
// behind, the layout of the table and the repaint of the window.
void BM_ResultsClickWithItsRepaint(benchmark::State& state) {
  ReferencePhaseWindow w;
  QApplication::processEvents();
  for (auto _ : state) {
    w.Click();
    QApplication::processEvents();
  }
  if (!w.ReachedTheResults()) state.SkipWithError("the click did not reach the results");
}
BENCHMARK(BM_ResultsClickWithItsRepaint)->Unit(benchmark::kMicrosecond);

// Beside it, the repaint of a bare window of the same size that shows the
// same table (501 rows of the run's texts in a QTableView at the table's
// place) and the chart (a 500 x 400 image at the chart's place).
class ImageView : public QWidget {
 public:
  QImage image;
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent* /*event*/) override { QPainter(this).drawImage(0, 0, image); }
};

void BM_BareWindowRepaint(benchmark::State& state) {
  ReferencePhaseWindow w;
  w.Click();
  QWidget window;
  window.resize(1200, 700);
  PlainCells cells;
  std::vector<std::array<std::string, 5>> rows(501);
  for (int t = 0; t <= 500; ++t)
    for (int c = 0; c < 5; ++c) rows[static_cast<std::size_t>(t)][static_cast<std::size_t>(c)] = w.q.SigLst()->Cell(t, c);
  cells.Reset(std::move(rows));
  QTableView table(&window);
  table.setModel(&cells);
  table.setGeometry(10, 340, 400, 355);
  ImageView chart(&window);
  chart.image = w.q.diagram()->Surface();
  chart.setGeometry(691, 44, 500, 400);
  window.show();
  QApplication::processEvents();
  for (auto _ : state) {
    window.update();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_BareWindowRepaint)->Unit(benchmark::kMicrosecond);

// The chart redraw with all four curves pressed: 500 shown steps (no rings)
// and 50 shown steps (a ring at every step). Goal: at 500 shown steps at most
// 1 ms median on the reference machine.
void BM_ChartRedrawAllCurves(benchmark::State& state) {
  ReadyToRunWindow w;
  w.q.Eval();
  for (fw::Integer i = 1; i <= 4; ++i) w.q.NewBBtn().SetValue(true);
  w.q.TimeLab()->SetText(fw::Str(static_cast<fw::Integer>(state.range(0))));
  for (auto _ : state) {
    w.q.diagram()->Refresh(true);
    w.q.Drw();
  }
}
BENCHMARK(BM_ChartRedrawAllCurves)->Arg(500)->Arg(50)->Unit(benchmark::kMicrosecond);

// The floor for the redraw at 500 shown steps: the same picture drawn the
// cheapest plain way with one bare painter on a 500 x 400 image: background,
// grid lines as 1-pixel rectangles (the pixels of the chart's lines), frame,
// area letter, zero line, legend letters and a polyline per curve.
void BM_ChartLinesWithOneBarePainter(benchmark::State& state) {
  ReadyToRunWindow w;
  w.q.Eval();
  const QColor colours[4] = {Qt::black, QColor(180, 0, 0), QColor(0, 180, 0), QColor(0, 0, 180)};
  QImage image(500, 400, QImage::Format_ARGB32_Premultiplied);
  QFont letterFont("Kaushan Script");
  letterFont.setPixelSize(50);
  QFont legendFont("Liberation Sans");
  legendFont.setPixelSize(24);
  QPolygon curve(501);
  for (auto _ : state) {
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, 500, 400, Qt::white);
    const QColor grid(200, 200, 200);
    for (int y = 0; y < 400; y += 50) p.fillRect(0, y, 500, 1, grid);
    for (int x = 10; x < 500; x += 10) p.fillRect(x, 0, 1, 400, grid);
    p.fillRect(0, 0, 500, 1, Qt::black);
    p.fillRect(0, 399, 500, 1, Qt::black);
    p.fillRect(0, 0, 1, 400, Qt::black);
    p.fillRect(499, 0, 1, 400, Qt::black);
    p.setPen(Qt::red);
    p.setFont(letterFont);
    p.drawText(10, 40, "B");
    p.fillRect(0, 200, 500, 1, Qt::black);
    p.setFont(legendFont);
    for (int i = 1; i <= 4; ++i) {
      p.setPen(colours[i % 4]);
      p.drawText(470, 418 - 28 * i, QStringLiteral("xyzw").mid(i - 1, 1));
      for (int t = 0; t <= 500; ++t) curve[t] = QPoint(t, static_cast<int>(std::lround(200 - 100 * w.q.s.Get(i, t))));
      p.drawPolyline(curve);
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
