// Drawing an input curve by hand on the chart.
#include <algorithm>
#include <cstdint>

#include "Q.h"
#include "System.h"
#include "TestSignals.h"

namespace {

using fw::Integer;

// The largest multiple of w that is not above v (w > 0).
std::int64_t FloorMultiple(std::int64_t v, std::int64_t w) {
  std::int64_t q = v / w;
  if (v % w != 0 && v < 0) --q;
  return q * w;
}

}  // namespace

// With the Option key held over the chart and the input shape "Hand", each
// step of w pixels to the right takes one point of the curve: its x, and its
// height above the zero line. A pointer that skips a step beeps and is
// refused; one left of the last point or within its step is ignored.
// A stroke without a button gets one last move where it leaves the chart, on
// the chart's edge; with the button held the pointer goes on reporting moves
// beyond the chart. One right of the chart counts as on its last column, so a
// stroke that leaves the chart to the right ends the curve at its last step,
// however fast it crosses the edge; one left of the chart takes no point; a
// complete curve (Time + 1 points) takes no more. A row above or below the
// chart counts as the chart's top or bottom row, so every point lies on the
// chart.
void Q::diagram_MouseMove(fw::Canvas& me, Integer X, Integer Y) {
  if (!fw::Keyboard::OptionKey()) return;
  fw::TextField* shape = friFld();
  if (shape == nullptr || shape->Text() != model::kShapeHand) return;
  if (!shape->Visible()) return;

  Time = 50;
  if (fw::Slider* zoom = SlidX()) zoom->SetValue(100);
  const Integer w = fw::ToInteger(fw::Round(static_cast<fw::Double>(me.Width()) / Time));
  if (w <= 0) return;  // a chart narrower than half a step per point takes none

  // Point 0 is (0, 0) from every reset; both lists keep one entry per point.
  if (ix.empty()) ix.push_back(0);
  if (iy.size() != ix.size()) iy.resize(ix.size(), 0);

  if (X < 0 || ix.size() > static_cast<std::size_t>(Time)) return;
  X = std::min<Integer>(X, me.Width() - 1);
  if (me.Height() > 0) Y = std::clamp<Integer>(Y, 0, me.Height() - 1);

  const std::int64_t last = ix.back();
  if (X < last) return;
  iy[0] = 0;
  const std::int64_t xq = FloorMultiple(std::int64_t{X} + 1, w);
  if (xq == last) return;
  if (xq - last > w) {
    fw::Beep();
    return;
  }
  ix.push_back(fw::FitInteger(xq));
  iy.push_back(fw::FitInteger(std::int64_t{yZero} - Y));
  const std::size_t n = ix.size() - 1;

  const Integer xa = ix[n - 1], ya = fw::FitInteger(std::int64_t{yZero} - iy[n - 1]);
  const Integer xb = ix[n], yb = fw::FitInteger(std::int64_t{yZero} - iy[n]);
  const Integer ringLeft = fw::FitInteger(std::int64_t{xb} - 2), ringTop = fw::FitInteger(std::int64_t{yb} - 2);
  fw::Graphics& g = me.Graphics();
  g.DrawLine(xa, ya, xb, yb);
  g.SetForeColor(fw::RGB(255, 255, 255));
  g.FillOval(ringLeft, ringTop, 5, 5);
  g.SetForeColor(fw::RGB(0, 0, 0));
  g.DrawOval(ringLeft, ringTop, 5, 5);
}
