// The signal chart: background, grid, curves, legend.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "Q.h"

namespace {

using fw::Integer;

// Nothing is shown beyond this many pixels on a side of a canvas's surface,
// so the grid never needs more lines than that.
constexpr std::int64_t kSurfaceSide = 8192;

// The horizontal grid: line i on row yZero + i * a / 2 for i from
// Floor(-2 yZero / a) to Ceil(2 (H - yZero) / a). Only the lines that can
// fall on the canvas are drawn; where they lie closer than a pixel apart
// they cover every row between the outermost ones, drawn row by row.
void HorizontalGrid(fw::Graphics& g, Integer W, Integer H, Integer yZero, fw::Single a) {
  if (a == 0 || !std::isfinite(a)) return;
  const fw::Double lowerD = fw::Floor(static_cast<fw::Double>(-2 * std::int64_t{yZero}) / a);
  const fw::Double upperD = fw::Ceil(static_cast<fw::Double>(2 * (std::int64_t{H} - yZero)) / a);
  std::int64_t lower = fw::ToInteger(lowerD);
  std::int64_t upper = fw::ToInteger(upperD);
  if (lower > upper) return;

  const fw::Double half = a * 0.5;
  auto row = [&](std::int64_t i) { return fw::ToInteger(yZero + static_cast<fw::Double>(i) * half); };
  const std::int64_t lastRow = std::min<std::int64_t>(H, kSurfaceSide);
  if (lastRow < 0) return;
  // The i whose rows lie within -1 .. lastRow + 1, with a line to spare.
  fw::Double iTop = (-1.0 - yZero) / half, iBottom = (lastRow + 1.0 - yZero) / half;
  if (iTop > iBottom) std::swap(iTop, iBottom);
  lower = std::max<std::int64_t>(lower, std::int64_t{fw::ToInteger(fw::Floor(iTop))} - 1);
  upper = std::min<std::int64_t>(upper, std::int64_t{fw::ToInteger(fw::Ceil(iBottom))} + 1);
  if (lower > upper) return;

  std::vector<Integer> lines;
  const auto line = [&lines, W](Integer y) { lines.insert(lines.end(), {0, y, W, y}); };
  if (std::fabs(half) >= 1) {
    for (std::int64_t i = lower; i <= upper; ++i) line(row(i));
  } else {
    const std::int64_t from = std::max<std::int64_t>(0, std::min(row(lower), row(upper)));
    const std::int64_t to = std::min<std::int64_t>(lastRow, std::max(row(lower), row(upper)));
    for (std::int64_t y = from; y <= to; ++y) line(static_cast<Integer>(y));
  }
  g.DrawLines(lines);
}

// The vertical grid: a line every 10 shown steps, x = Round(u * 5000 / Ts)
// for u = 1 .. Floor(Ts / 10). Beyond 5000 shown steps the lines lie closer
// than a pixel and fill every column from the first line to the last.
void VerticalGrid(const Q& q, fw::Graphics& g, Integer H) {
  const fw::Double Ts = fw::Val(TextOf(q.TimeLab()));
  if (!(Ts > 0) || !std::isfinite(Ts)) return;
  auto lineAt = [Ts](std::int64_t u) { return fw::ToInteger(fw::Round(static_cast<fw::Double>(u * 5000) / Ts)); };
  std::vector<Integer> lines;
  const auto line = [&lines, H](Integer x) { lines.insert(lines.end(), {x, 0, x, H}); };
  if (Ts <= 5000) {
    for (std::int64_t u = 1; u <= fw::Floor(fw::Val(TextOf(q.TimeLab())) / 10); ++u) line(lineAt(u));
  } else {
    const std::int64_t last = static_cast<std::int64_t>(fw::Floor(Ts / 10));
    const std::int64_t from = std::max<std::int64_t>(0, lineAt(1));
    const fw::Double lastX = fw::Round(static_cast<fw::Double>(last) * 5000 / Ts);
    const std::int64_t to = std::min<std::int64_t>(kSurfaceSide, fw::ToInteger(lastX));
    for (std::int64_t x = from; x <= to; ++x) line(static_cast<Integer>(x));
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
  HorizontalGrid(g, W, H, yZero, fw::ToSingle(fw::Val(TextOf(yFld()))));
  VerticalGrid(*this, g, H);

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
  const Integer W = chart->Width();
  const Integer H = chart->Height();
  const fw::Single p = T != 0 ? fw::ToSingle(static_cast<fw::Double>(W) / T) : 0.0f;
  const fw::Single a = fw::ToSingle(fw::Val(TextOf(yFld())));

  g.SetForeColor(colours[0]);
  g.DrawLine(0, yZero, W, yZero);

  const Integer r = T < 25 ? 4 : fw::ToInteger(fw::Round(100.0 / T));
  const Integer side = 2 * r + 1;

  // Steps beyond what s holds are not drawn.
  const std::int64_t steps = std::min<std::int64_t>(T, s.StepBound());
  // The columns of the steps, the same for every curve.
  std::vector<Integer> X;
  for (std::int64_t t = 0; t <= steps; ++t) {
    X.push_back(fw::ToInteger(fw::Round(static_cast<fw::Double>(p) * static_cast<fw::Double>(t))));
  }
  // A value's place above the zero line; one that is not finite (the value
  // is no number, or too large for the scale) is no point of the curve.
  auto At = [this, a](std::int64_t i, std::int64_t t) {
    return static_cast<fw::Single>(a * s.Get(static_cast<Integer>(i), static_cast<Integer>(t)));
  };
  auto Y = [this](fw::Single av) { return fw::ToInteger(fw::Round(static_cast<fw::Double>(yZero) - av)); };

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
    g.DrawString(toggle->Caption(), fw::FitInteger(std::int64_t{W} - 30), fw::FitInteger(std::int64_t{H} + 18 - 28 * k));

    // The curve's places, steps 0 to T, as x, y pairs, and which of them are
    // points of the curve.
    points.clear();
    placed.clear();
    for (std::int64_t j = 0; j <= steps && steps >= 1; ++j) {
      const fw::Single av = At(i, j);
      points.push_back(X[static_cast<std::size_t>(j)]);
      points.push_back(Y(av));
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
