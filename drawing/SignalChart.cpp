// The signal chart: background, grid, curves, legend.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "ChartGeometry.h"
#include "Q.h"

namespace {

using fw::Integer;

// The horizontal grid's lines. Nothing is shown beyond the canvas surface's
// bound, so no more rows than that are ever drawn.
void HorizontalGrid(fw::Graphics& g, const model::ChartGeometry& geometry) {
  std::vector<Integer> lines;
  for (const Integer y : geometry.GridRows(fw::kMaxSurfaceSide)) lines.insert(lines.end(), {0, y, geometry.width, y});
  g.DrawLines(lines);
}

// The vertical grid's lines. The bound of the lines, Floor(Ts / 10), is read
// anew from TimeLab before each line.
void VerticalGrid(const Q& q, fw::Graphics& g, const model::ChartGeometry& geometry) {
  if (!geometry.HasGridColumns()) return;
  std::vector<Integer> lines;
  const auto line = [&lines, &geometry](Integer x) { lines.insert(lines.end(), {x, 0, x, geometry.height}); };
  if (!geometry.GridColumnsDense()) {
    for (std::int64_t u = 1; u <= model::ChartGeometry::LastGridLine(fw::Val(TextOf(q.TimeLab()))); ++u) {
      line(geometry.GridColumn(u));
    }
  } else {
    const model::ChartGeometry::Span columns = geometry.GridColumnSpan(fw::kMaxSurfaceSide);
    for (std::int64_t x = columns.from; x <= columns.to; ++x) line(static_cast<Integer>(x));
  }
  g.DrawLines(lines);
}

// The polyline through the points (x, y pairs) that placed marks, broken
// where a place is no point: one run per stretch of two or more points.
void PolylineRuns(fw::Graphics& g, const std::vector<Integer>& points, const std::vector<char>& placed) {
  if (std::find(placed.begin(), placed.end(), 0) == placed.end()) {
    g.DrawPolyline(points);
    return;
  }
  std::vector<Integer> run;
  for (std::size_t j = 0; j <= placed.size(); ++j) {
    if (j < placed.size() && placed[j]) {
      run.push_back(points[2 * j]);
      run.push_back(points[2 * j + 1]);
      continue;
    }
    if (run.size() >= 4) g.DrawPolyline(run);
    run.clear();
  }
}

}  // namespace

// Background, grid every half y unit and every 10 shown steps, frame and the
// area letter. The curves are drawn over it by Drw.
void Q::diagram_Paint(fw::Canvas& me, fw::Graphics& g, const fw::Areas& /*areas*/) {
  const Integer W = me.Width(), H = me.Height();
  g.SetForeColor(fw::RGB(255, 255, 255));
  g.FillRect(0, 0, W, H);

  g.SetForeColor(fw::RGB(200, 200, 200));
  const fw::Single a = fw::ToSingle(fw::Val(TextOf(yFld())));
  const model::ChartGeometry geometry{W, H, fw::Val(TextOf(TimeLab())), a, yZero};
  HorizontalGrid(g, geometry);
  VerticalGrid(*this, g, geometry);

  g.SetForeColor(fw::RGB(0, 0, 0));
  g.DrawRect(0, 0, W, H);
  g.SetForeColor(fw::RGB(255, 0, 0));
  g.SetTextFont("Mistral");
  g.SetTextSize(50);
  g.DrawString("B", 10, 40);
}

// The zero line and every pressed toggle's curve with its rings and legend
// letter, over what the chart shows, on the chart's own Graphics: it keeps the
// colour and size set here from call to call.
void Q::Drw() {
  const fw::Color colours[4] = {fw::RGB(0, 0, 0), fw::RGB(180, 0, 0), fw::RGB(0, 180, 0), fw::RGB(0, 0, 180)};

  fw::Canvas* chart = diagram();
  if (chart == nullptr) return;
  fw::Graphics& g = chart->Graphics();
  const Integer T = fw::ToInteger(fw::Val(TextOf(TimeLab())));
  const model::ChartGeometry geometry{chart->Width(), chart->Height(), static_cast<fw::Double>(T),
                                      fw::ToSingle(fw::Val(TextOf(yFld()))), yZero};
  const Integer W = geometry.width;
  const Integer H = geometry.height;

  g.SetForeColor(colours[0]);
  g.DrawLine(0, yZero, W, yZero);

  const Integer r = geometry.RingRadius();
  const Integer side = 2 * r + 1;

  // Steps beyond what s holds are not drawn.
  const std::int64_t steps = std::min<std::int64_t>(T, s.StepBound());
  // The columns of the steps, the same for every curve.
  std::vector<Integer> X;
  for (std::int64_t t = 0; t <= steps; ++t) X.push_back(geometry.Column(t));
  // A value's place above the zero line; one that is not finite (the value
  // is no number, or too large for the scale) is no point of the curve.
  auto At = [this, &geometry](std::int64_t i, std::int64_t t) {
    return geometry.HeightOf(s.Get(static_cast<Integer>(i), static_cast<Integer>(t)));
  };

  std::vector<Integer> points;
  std::vector<char> placed;
  std::int64_t k = 0;
  for (std::int64_t i = 1; i <= nSg; ++i) {
    fw::BevelButton* toggle = BBtn(static_cast<Integer>(i));
    if (toggle == nullptr || !toggle->Value()) continue;
    ++k;
    const fw::Color colour = colours[k % 4];
    g.SetForeColor(colour);
    g.SetTextSize(24);
    g.DrawString(toggle->Caption(), fw::FitInteger(std::int64_t{W} - 30),
                 fw::FitInteger(std::int64_t{H} + 18 - 28 * k));

    // The curve's places, steps 0 to T, as x, y pairs, and which of them are
    // points of the curve.
    points.clear();
    placed.clear();
    for (std::int64_t j = 0; j <= steps && steps >= 1; ++j) {
      const fw::Single av = At(i, j);
      points.push_back(X[static_cast<std::size_t>(j)]);
      points.push_back(geometry.Row(av));
      placed.push_back(std::isfinite(av) ? 1 : 0);
    }
    if (r <= 1) {
      // No rings: the segments, all of one colour, in one run per stretch of points.
      PolylineRuns(g, points, placed);
      continue;
    }
    // A segment joins two points; a ring marks a point that begins one.
    for (std::size_t j = 2; j < points.size(); j += 2) {
      if (!placed[j / 2 - 1]) continue;
      const Integer x1 = points[j - 2], y1 = points[j - 1];
      if (placed[j / 2]) g.DrawLine(x1, y1, points[j], points[j + 1]);
      const Integer left = fw::FitInteger(std::int64_t{x1} - r), top = fw::FitInteger(std::int64_t{y1} - r);
      DrawRing(g, left, top, side, fw::RGB(255, 255, 255), colour);
    }
  }
}
