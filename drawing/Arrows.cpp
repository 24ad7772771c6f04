// Arrows and summing junctions of the block diagram.
#include <cstdint>

#include "Q.h"

using fw::Integer;

// Two line segments p0-p1-p2 and a filled head with its tip on p2, pointing
// the way the letter says. Lines and head take the surface's current colour.
void Q::Pfeil(const std::vector<Integer>& points, const fw::String& letter) {
  fw::Canvas* canvas = panel();
  if (canvas == nullptr) return;
  fw::Graphics& g = canvas->Graphics();

  auto at = [&points](std::size_t k) -> std::int64_t { return k < points.size() ? points[k] : 0; };
  const Integer x0 = PanelX(at(0)), y0 = PanelY(at(1));
  const Integer x1 = PanelX(at(2)), y1 = PanelY(at(3));
  const Integer tx = PanelX(at(4)), ty = PanelY(at(5));

  const fw::Double x = tx, y = ty;
  bool head = true;
  Integer ax = 0, ay = 0, bx = 0, by = 0;
  if (letter == "W") {
    ax = fw::FitInteger(std::int64_t{tx} + 15), ay = fw::ToInteger(y - 7.5);
    bx = ax, by = fw::ToInteger(y + 7.5);
  } else if (letter == "N") {
    ax = fw::ToInteger(x - 7.5), ay = fw::FitInteger(std::int64_t{ty} + 15);
    bx = fw::ToInteger(x + 7.5), by = ay;
  } else if (letter == "O") {
    ax = fw::FitInteger(std::int64_t{tx} - 15), ay = fw::ToInteger(y - 7.5);
    bx = ax, by = fw::ToInteger(y + 7.5);
  } else if (letter == "S") {
    ax = fw::ToInteger(x - 7.5), ay = fw::FitInteger(std::int64_t{ty} - 15);
    bx = fw::ToInteger(x + 7.5), by = ay;
  } else {
    head = false;  // no direction: the path without a head
  }

  g.DrawLine(x0, y0, x1, y1);
  g.DrawLine(x1, y1, tx, ty);
  if (head) g.FillPolygon({0, tx, ty, ax, ay, bx, by});
}

// A summing junction in the 42 x 42 box at (x, y): a light cyan circle with a
// black outline, both diagonals inset 7 pixels, and the top quarter filled
// black. Leaves the surface's colour black.
void Q::SubSymb(Integer x, Integer y) {
  fw::Canvas* canvas = panel();
  if (canvas == nullptr) return;
  fw::Graphics& g = canvas->Graphics();
  auto px = [x](std::int64_t d) { return fw::FitInteger(std::int64_t{x} + d); };
  auto py = [y](std::int64_t d) { return fw::FitInteger(std::int64_t{y} + d); };

  DrawRing(g, x, y, 42, fw::RGB(230, 255, 255), fw::RGB(0, 0, 0));
  g.DrawLine(px(7), py(35), px(35), py(7));
  g.DrawLine(px(7), py(7), px(35), py(35));

  // The centre, then the rim at 135, 165, 195 and 225 degrees, counted from
  // straight down through the right-hand side.
  std::vector<Integer> quarter = {0, px(42 / 2), py(42 / 2)};
  for (Integer k = 9; k <= 15; k += 2) {
    const fw::Single theta = fw::ToSingle(k * 3.14159265 / 12);
    quarter.push_back(px(fw::ToInteger(fw::Round(0.5 * 42 * (fw::Sin(theta) + 1)))));
    quarter.push_back(py(fw::ToInteger(fw::Round(0.5 * 42 * (fw::Cos(theta) + 1)))));
  }
  g.FillPolygon(quarter);
}

void DrawRing(fw::Graphics& g, Integer left, Integer top, Integer side, fw::Color fill, fw::Color outline) {
  g.SetForeColor(fill);
  g.FillOval(left, top, side, side);
  g.SetForeColor(outline);
  g.DrawOval(left, top, side, side);
}
