// The block diagram on the panel: the two blocks, the arrows, the letters.
#include <cstdint>
#include <vector>

#include "Q.h"

namespace {

using fw::Integer;

// One arrow path, "x0*y0*x1*y1*x2*y2", back as six Integers.
std::vector<Integer> PathPoints(const fw::String& path) {
  std::vector<Integer> points(6, 0);
  for (Integer j = 0; j <= 5; ++j)
    points[static_cast<std::size_t>(j)] = fw::ToInteger(fw::Val(fw::NthField(path, "*", j + 1)));
  return points;
}

}  // namespace

void Q::panel_Open(fw::Canvas& /*me*/) {}

// Background and the area letter; the loop itself is drawn onto the surface
// by DrawArrows and SubSymb after each change of the diagram.
void Q::panel_Paint(fw::Canvas& me, fw::Graphics& g, const fw::Areas& /*areas*/) {
  g.SetForeColor(fw::RGB(255, 255, 235));
  g.FillRect(0, 0, me.Width(), me.Height());
  g.SetForeColor(fw::RGB(255, 0, 0));
  g.SetTextFont("Mistral");
  g.SetTextSize(50);
  g.DrawString("A", fw::FitInteger(std::int64_t{me.Width()} - 40), 40);
}

// Creates the controller Bx(1) and the plant Bx(2), places them at diagram x
// 125, rows 110 and 230, lets them fit their widths and draws the loop.
void Q::BuildSimpStr() {
  dx = 25;
  dy = 55;
  for (Integer i = 1; i <= 2; ++i) {
    Blackbox& made = NewBx();
    boxIndex = made.Index();
    Blackbox* box = Bx(boxIndex);
    fw::Canvas* canvas = panel();
    if (box == nullptr || canvas == nullptr) continue;
    box->SetLeft(fw::FitInteger(std::int64_t{125} - dx + canvas->Left()));
    box->SetTop(fw::FitInteger(std::int64_t{110} - dy + std::int64_t{i - 1} * 120 + canvas->Top()));
  }
  if (Blackbox* controller = Bx(1)) controller->Refresh(true);
  if (Blackbox* plant = Bx(2)) plant->Refresh(true);

  RedrawBlockDiagram();
}

void Q::RedrawBlockDiagram() {
  DrawArrows();
  SubSymb(PanelX(30), PanelY(119));
  SubSymb(PanelX(std::int64_t{RecMax} - 21), PanelY(239));
}

Q::Integer Q::PanelX(std::int64_t x) const { return fw::FitInteger(x - dx); }

Q::Integer Q::PanelY(std::int64_t y) const { return fw::FitInteger(y - dy); }

// Fits RecMax and the panel to the blocks' current widths, repaints the
// panel and draws the cut bar, the six arrows and the signal letters.
void Q::DrawArrows() {
  fw::Canvas* canvas = panel();
  Blackbox* controller = Bx(1);
  Blackbox* plant = Bx(2);
  if (canvas == nullptr || controller == nullptr || plant == nullptr) return;
  fw::Graphics& g = canvas->Graphics();

  const std::int64_t left = canvas->Left();
  const Integer L1 = fw::FitInteger(std::int64_t{controller->Left()} - left + dx);
  const Integer R1 = fw::FitInteger(std::int64_t{L1} + controller->Width());
  const Integer L2 = fw::FitInteger(std::int64_t{plant->Left()} - left + dx);
  const Integer R2 = fw::FitInteger(std::int64_t{L2} + plant->Width());

  RecMax = fw::ToInteger(fw::Max(402, fw::Max(R1, R2)) + 70);
  canvas->SetWidth(fw::ToInteger(fw::Max(600, static_cast<fw::Double>(RecMax) + 20)));
  canvas->Refresh(true);

  const fw::String rec = fw::Str(RecMax);
  const fw::String junctionLeft = fw::Str(fw::FitInteger(std::int64_t{RecMax} - 21));
  std::vector<fw::String> paths = {
      "51*60*51*60*51*118",
      "72*140*72*140*" + fw::Str(L1) + "*140",
      fw::Str(R1) + "*140*" + rec + "*140*" + rec + "*237",
      rec + "*340*" + rec + "*340*" + rec + "*281",
      junctionLeft + "*260*" + junctionLeft + "*260*" + fw::Str(R2) + "*260",
      fw::Str(L2) + "*260*51*260*51*161",
  };
  const fw::String heads = "S*O*S*N*W*N";

  if (cut) {
    paths[2] = fw::Str(R1) + "*140*" + rec + "*140*" + rec + "*225";
    g.SetForeColor(fw::RGB(255, 0, 0));
    g.FillRect(PanelX(std::int64_t{RecMax} - 12), PanelY(229), 24, 6);
    g.SetForeColor(fw::RGB(0, 0, 0));
  }

  for (Integer i = 0; i <= 5; ++i)
    Pfeil(PathPoints(paths[static_cast<std::size_t>(i)]), fw::NthField(heads, "*", i + 1));

  struct Letter {
    const char* text;
    std::int64_t x, y;
  };
  const std::int64_t r = RecMax;
  const Letter letters[] = {{"w", 65, 83},      {"e", 92, 130},     {"y", r - 26, 200},
                            {"z", r - 26, 320}, {"u", r - 42, 281}, {"x", 92, 281}};
  g.SetTextSize(18);
  for (const Letter& l : letters) g.DrawString(l.text, PanelX(l.x), PanelY(l.y));
}
