// Drawing an input curve by hand on the chart.
#include <cstdint>

#include "ChartGeometry.h"
#include "Q.h"
#include "System.h"
#include "TestSignals.h"

// With the Option key held over the chart and the input shape "Hand", a move
// to the right takes the next point of the curve by model::NextCurveMove and
// draws it: the segment from the point before and a ring on the new point.
// A stroke without a button gets one last move where it leaves the chart, on
// the chart's edge, so a stroke over the right edge takes the last point.
// The key is asked for last: the window system answers it only by a round
// trip (to the X server), which a move that cannot draw does without.
void Q::diagram_MouseMove(fw::Canvas& me, Integer X, Integer Y) {
  fw::TextField* shape = friFld();
  if (shape == nullptr || shape->Text() != model::kShapeHand) return;
  if (!shape->Visible()) return;
  if (!fw::Keyboard::OptionKey()) return;

  Time = model::kHandSteps;
  if (fw::Slider* zoom = SlidX()) zoom->SetValue(100);

  // Point 0 is (0, 0) from every reset; both lists keep one entry per point.
  if (ix.empty()) ix.push_back(0);
  if (iy.size() != ix.size()) iy.resize(ix.size(), 0);

  const model::CurveMove move = model::NextCurveMove(model::HandCurve{ix, iy}, X, Y, me.Width(), me.Height(), yZero);
  if (move.kind == model::CurveMove::kBeep) fw::Beep();
  if (move.kind != model::CurveMove::kTakePoint) return;
  iy[0] = 0;
  ix.push_back(move.x);
  iy.push_back(move.height);
  const std::size_t n = ix.size() - 1;

  const model::ChartGeometry geometry{.yZero = yZero};
  const Integer xa = ix[n - 1], ya = geometry.Row(iy[n - 1]);
  const Integer xb = ix[n], yb = geometry.Row(iy[n]);
  const Integer ringLeft = fw::FitInteger(std::int64_t{xb} - 2), ringTop = fw::FitInteger(std::int64_t{yb} - 2);
  fw::Graphics& g = me.Graphics();
  g.DrawLine(xa, ya, xb, yb);
  DrawRing(g, ringLeft, ringTop, 5, fw::RGB(255, 255, 255), fw::RGB(0, 0, 0));
}
