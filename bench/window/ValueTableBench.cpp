// What the results phase costs in the window, on the offscreen platform: the
// whole OK click into the results, the 500-step run with its 501 rows of 5
// cells written into the real value table, and the chart redraw.
#include <benchmark/benchmark.h>

#include <QAbstractTableModel>
#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPolygonF>
#include <QTableView>
#include <QWidget>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "AltKey.h"
#include "Application.h"
#include "ExampleLoop.h"
#include "MenuBar1.h"
#include "Q.h"
#include "Simulation.h"
#include "System.h"

namespace {

// The offscreen platform of this program has three screens side by side, of
// device pixel ratio 1, 2 and 1.5 (tests/pixel_ratio/screens.json). Shows a window
// on the screen of the ratio and tells whether it got there.
bool ShowAtRatio(QWidget* window, double ratio) {
  window->move(ratio == 2.0 ? 1500 : ratio == 1.5 ? 2900 : 100, 50);
  window->show();
  (void)QTest::qWaitForWindowExposed(window);
  QApplication::processEvents();
  return window->devicePixelRatioF() == ratio;
}

// The ratio a benchmark's argument names in hundredths.
double Ratio(std::int64_t hundredths) { return static_cast<double>(hundredths) / 100; }

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
    return QString::fromStdString(
        rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
  }
  void Reset(std::vector<std::array<std::string, 5>> next) {
    beginResetModel();
    rows = std::move(next);
    endResetModel();
  }
};

// The click's own work the plain way, into a table model and a chart image.
struct ClickFloor {
  model::LoopRun run;
  PlainCells cells;
  QImage chart{500, 400, QImage::Format_ARGB32_Premultiplied};
  QFont legendFont{"Liberation Sans"};
  explicit ClickFloor(const Q& q) {
    run.controller = q.Bx(1)->par;
    run.plant = q.Bx(2)->par;
    chart.fill(Qt::white);
    legendFont.setPixelSize(24);
  }
  void Work(model::SignalMatrix& s) {
    const QColor colours[4] = {Qt::black, QColor(180, 0, 0), QColor(0, 180, 0), QColor(0, 0, 180)};
    model::Simulate(s, run);
    std::vector<std::array<std::string, 5>> rows(501);
    for (int t = 0; t <= 500; ++t) {
      std::array<char, 48> buffer;
      auto& row = rows[static_cast<std::size_t>(t)];
      row[0].assign(buffer.data(), std::to_chars(buffer.data(), buffer.data() + buffer.size(), t).ptr);
      for (int i = 1; i <= 4; ++i) {
        buffer[0] = ' ';
        const double v = s.Get(i, t);
        char* end = std::to_chars(buffer.data() + 1, buffer.data() + buffer.size(), v, std::chars_format::fixed, 2).ptr;
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
      auto point = [&](int t) { return QPoint(50 * t, static_cast<int>(std::lround(200 - 100 * s.Get(i, t)))); };
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
  }
};

void BM_ResultsClickFloor(benchmark::State& state) {
  ReadyToRunWindow w;
  ClickFloor floor(w.q);
  QTableView table;
  table.setModel(&floor.cells);
  table.resize(400, 355);
  table.show();
  for (auto _ : state) {
    floor.Work(w.q.s);
    benchmark::DoNotOptimize(floor.chart.constBits());
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
  ClickFloor floor(w.q);
  QWidget window;
  window.resize(1200, 700);
  // The table as the window shows it: no headers, its font, row height and
  // column widths, the same rows in view.
  const auto* shown = static_cast<const QTableView*>(w.q.SigLst()->Widget());
  QTableView table(&window);
  table.setModel(&floor.cells);
  table.setGeometry(shown->geometry());
  table.setFont(shown->font());
  table.horizontalHeader()->hide();
  table.verticalHeader()->hide();
  table.setShowGrid(false);
  table.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table.verticalHeader()->setDefaultSectionSize(shown->verticalHeader()->defaultSectionSize());
  ImageView chart(&window);
  chart.setGeometry(w.q.diagram()->Widget()->geometry());
  window.show();
  QApplication::processEvents();
  for (int c = 0; c < 5; ++c) table.horizontalHeader()->resizeSection(c, shown->horizontalHeader()->sectionSize(c));
  for (auto _ : state) {
    floor.Work(w.q.s);
    chart.image = floor.chart;
    window.update();
    QApplication::processEvents();
  }
  // The same cells in view as in the window's table.
  const auto cellsInView = [](const QTableView& v) {
    const int rows = v.rowAt(v.viewport()->height() - 1) - v.rowAt(0) + 1;
    return rows * v.model()->columnCount();
  };
  state.counters["cells"] = cellsInView(table);
  state.counters["window_cells"] = cellsInView(*shown);
}
BENCHMARK(BM_BareWindowRepaint)->Unit(benchmark::kMicrosecond);

// The chart redraw with all four curves pressed, captioned x, y, z, w as the
// results show them: 500 shown steps (no rings) and 50 shown steps (a ring at
// every step), on a screen of ratio 1, 1.5 and 2 (the second argument, in
// hundredths). Goal: at 500 shown steps at most 1 ms median on the reference
// machine, and at 1.5 and 2 as near the floor as at 1.
void BM_ChartRedrawAllCurves(benchmark::State& state) {
  ReadyToRunWindow w;
  w.q.Eval();
  for (const char* caption : {"x", "y", "z", "w"}) {
    fw::BevelButton& toggle = w.q.NewBBtn();
    toggle.SetCaption(caption);
    toggle.SetValue(true);
  }
  w.q.TimeLab()->SetText(fw::Str(static_cast<fw::Integer>(state.range(0))));
  if (!ShowAtRatio(w.q.Widget(), Ratio(state.range(1))) || w.q.diagram()->DeviceRatio() != Ratio(state.range(1))) {
    state.SkipWithError("no screen of that ratio");
    return;
  }
  for (auto _ : state) {
    w.q.diagram()->Refresh(true);
    w.q.Drw();
    benchmark::DoNotOptimize(w.q.diagram()->Surface().constBits());
  }
}
BENCHMARK(BM_ChartRedrawAllCurves)->ArgsProduct({{500, 50}, {100, 150, 200}})->Unit(benchmark::kMicrosecond);

// The floor for the redraw: the same picture drawn the cheapest plain way
// with one bare painter on an image of the ratio: background, grid lines as
// 1-pixel rectangles (the pixels of the chart's lines), frame, area letter,
// zero line, legend letters, a polyline per curve and at 50 shown steps a
// ring, white inside, on every step but the last.
void BM_ChartLinesWithOneBarePainter(benchmark::State& state) {
  ReadyToRunWindow w;
  w.q.Eval();
  const int steps = static_cast<int>(state.range(0));
  const double ratio = Ratio(state.range(1));
  const int pitch = 500 / steps, radius = steps < 25 ? 4 : static_cast<int>(std::lround(100.0 / steps));
  const QColor colours[4] = {Qt::black, QColor(180, 0, 0), QColor(0, 180, 0), QColor(0, 0, 180)};
  QImage image(static_cast<int>(500 * ratio), static_cast<int>(400 * ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  QFont letterFont("Kaushan Script");
  letterFont.setPixelSize(50);
  QFont legendFont("Liberation Sans");
  legendFont.setPixelSize(24);
  QPolygonF curve(steps + 1);
  // Lines through the centres of their canvas pixels above ratio 1.
  const double o = ratio != 1 ? 0.5 : 0;
  for (auto _ : state) {
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, 500, 400, Qt::white);
    const QColor grid(200, 200, 200);
    for (int y = 0; y < 400; y += 50) p.fillRect(0, y, 500, 1, grid);
    for (int x = 5000 / steps; x < 500; x += 5000 / steps) p.fillRect(x, 0, 1, 400, grid);
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
      for (int t = 0; t <= steps; ++t) {
        curve[t] = QPointF(pitch * t + o, static_cast<double>(std::lround(200 - 100 * w.q.s.Get(i, t))) + o);
      }
      p.drawPolyline(curve);
      if (radius <= 1) continue;
      p.setBrush(Qt::white);
      for (int t = 0; t < steps; ++t) {
        p.drawEllipse(QRectF(curve[t] - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)));
      }
      p.setBrush(Qt::NoBrush);
    }
    p.end();
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ChartLinesWithOneBarePainter)->ArgsProduct({{500, 50}, {100, 150, 200}})->Unit(benchmark::kMicrosecond);

// One point of a hand-drawn curve with its repaint, on a screen of ratio 1
// and 2: the Option-key move over the chart that takes it, the segment and
// the ring drawn on the chart, and the repaint of what they cover. A
// curve is complete at 51 points; then it starts again.
struct HandDrawingWindow : ExampleLoopWindow {
  explicit HandDrawingWindow(double ratio) {
    shown = ShowAtRatio(q.Widget(), ratio) && q.diagram()->DeviceRatio() == ratio;
    q.Phase = 3;
    q.friFld()->SetText("Hand");
    q.friFld()->SetVisible(true);
    q.diagram()->Refresh(true);
    fwtest::KeyboardTo(q.Widget());
    fwtest::Alt(true);
    QApplication::processEvents();
  }
  ~HandDrawingWindow() { fwtest::Alt(false); }
  // The move that takes point k (1 to 50) on a zigzag round the zero line.
  static QPoint Move(int k) { return {10 * k - 1, k % 2 == 0 ? 150 : 250}; }
  bool shown = false;
};

void BM_HandDrawnPoint(benchmark::State& state) {
  HandDrawingWindow w(Ratio(state.range(0)));
  if (!w.shown) {
    state.SkipWithError("no screen of that ratio");
    return;
  }
  int k = 0;
  for (auto _ : state) {
    if (++k > 50) {
      k = 1;
      w.q.ix.assign(1, 0);
      w.q.iy.assign(1, 0);
    }
    const QPoint at = HandDrawingWindow::Move(k);
    w.q.diagram_MouseMove(*w.q.diagram(), at.x(), at.y());
    QApplication::processEvents();
  }
  if (w.q.ix.size() < 2) state.SkipWithError("no point was taken");
}
BENCHMARK(BM_HandDrawnPoint)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// Its floor: a bare widget of the chart's size on the same screen that draws
// the same segment and ring on its own image of the ratio and repaints the
// same area (the segment and the ring, a pixel to spare round them).
void BM_HandDrawnPointFloor(benchmark::State& state) {
  const double ratio = Ratio(state.range(0));
  ImageView view;
  view.resize(500, 400);
  view.image =
      QImage(static_cast<int>(500 * ratio), static_cast<int>(400 * ratio), QImage::Format_ARGB32_Premultiplied);
  view.image.setDevicePixelRatio(ratio);
  view.image.fill(Qt::white);
  if (!ShowAtRatio(&view, ratio)) {
    state.SkipWithError("no screen of that ratio");
    return;
  }
  const double o = ratio != 1 ? 0.5 : 0;
  QPoint from(0, 200);
  int k = 0;
  for (auto _ : state) {
    if (++k > 50) {
      k = 1;
      from = QPoint(0, 200);
    }
    const QPoint to(10 * k, HandDrawingWindow::Move(k).y());
    QPainter p(&view.image);
    p.setPen(Qt::black);
    p.drawLine(QLineF(QPointF(from) + QPointF(o, o), QPointF(to) + QPointF(o, o)));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(to.x() - 2 + o, to.y() - 2 + o, 4, 4));
    p.end();
    view.update(QRect(from, to).normalized().united(QRect(to.x() - 2, to.y() - 2, 5, 5)).adjusted(-1, -1, 1, 1));
    QApplication::processEvents();
    from = to;
  }
}
BENCHMARK(BM_HandDrawnPointFloor)->Arg(100)->Arg(200)->Unit(benchmark::kMicrosecond);

// Asking the window system for the Option key, which a move that can take a
// point does once: nearly nothing offscreen, a round trip to the server on X
// (run the benchmark there to see it beside the hand-drawn point).
void BM_OptionKeyQuery(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fw::Keyboard::OptionKey());
}
BENCHMARK(BM_OptionKeyQuery)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // Offscreen on the three screens of the ratio benchmarks (set up by
  // tests/pixel_ratio/Screens.cpp before main).
  fw::EnsureToolkit();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
