// The block diagram on the panel: blocks, arrows, junctions, letters, cut bar,
// and how the panel and the loop's right-hand line follow the blocks' widths.
#include <string>
#include <vector>

#include "WindowFixture.h"

namespace {

struct Probe {
  int x, y;
  fw::Color colour;
  const char* what;
};

void ExpectPixels(const fw::Canvas& canvas, const std::vector<Probe>& probes) {
  for (const Probe& p : probes) {
    const fw::Color got = canvas.PixelAt(p.x, p.y);
    EXPECT_EQ(got, p.colour) << p.what << " at (" << p.x << ", " << p.y << "): got " << int(got.r) << "," << int(got.g)
                             << "," << int(got.b);
  }
}

// The window with both blocks built, then given the widths w1 and w2 and the
// diagram drawn again as the parameter phase does it.
class Diagram : public OpenWindow {
 protected:
  void Build(fw::Integer w1, fw::Integer w2) {
    q().BuildSimpStr();
    ASSERT_NE(q().Bx(1), nullptr);
    ASSERT_NE(q().Bx(2), nullptr);
    Redraw(w1, w2);
  }
  void Redraw(fw::Integer w1, fw::Integer w2) {
    q().Bx(1)->SetWidth(w1);
    q().Bx(2)->SetWidth(w2);
    q().RedrawBlockDiagram();
  }
  fw::Canvas& panel() { return *q().panel(); }
};

}  // namespace

TEST_F(Diagram, BuildSimpStrMakesBothBlocksInPlaceAndDrawsTheLoop) {
  q().BuildSimpStr();
  EXPECT_EQ(q().dx, 25);
  EXPECT_EQ(q().dy, 55);
  EXPECT_EQ(q().boxIndex, 2);
  for (fw::Integer i : {1, 2}) {
    ASSERT_NE(q().Bx(i), nullptr) << i;
    EXPECT_EQ(q().Bx(i)->Left(), 110) << i;
    EXPECT_EQ(q().Bx(i)->Height(), 60) << i;
  }
  EXPECT_EQ(q().Bx(1)->Top(), 65);
  EXPECT_EQ(q().Bx(2)->Top(), 185);
  // The blocks have fitted their widths before the loop was laid out.
  const fw::Integer right = 125 + std::max(q().Bx(1)->Width(), q().Bx(2)->Width());
  EXPECT_EQ(q().RecMax, std::max(402, right) + 70);
  EXPECT_EQ(panel().Width(), std::max(600, q().RecMax + 20));
  // Both junctions: filled top quarter, cyan below.
  ExpectPixels(panel(), {{26, 75, kBlack, "junction 1 quarter"},
                         {26, 97, kCyan, "junction 1 bottom"},
                         {q().RecMax - 25, 195, kBlack, "junction 2 quarter"},
                         {q().RecMax - 25, 217, kCyan, "junction 2 bottom"}});

  // Closed as the dialogue closes them and built again: same roles, same places.
  q().Bx(2)->Close();
  q().Bx(1)->Close();
  q().BuildSimpStr();
  EXPECT_EQ(q().boxIndex, 2);
  ASSERT_NE(q().Bx(1), nullptr);
  ASSERT_NE(q().Bx(2), nullptr);
  EXPECT_EQ(q().Bx(1)->Top(), 65);
  EXPECT_EQ(q().Bx(2)->Top(), 185);
  EXPECT_EQ(q().Bx(1)->Left(), 110);
}

TEST_F(Diagram, NarrowBlocksGiveTheStandardLoop) {
  Build(200, 240);
  EXPECT_EQ(q().RecMax, 472);
  EXPECT_EQ(panel().Width(), 600);
  EXPECT_EQ(panel().Height(), 300);
  ExpectPixels(panel(), {
                            {300, 250, kPaper, "background"},
                            {26, 5, kBlack, "w arrow start"},
                            {26, 40, kBlack, "w arrow"},
                            {22, 40, kPaper, "beside the w arrow"},
                            {26, 58, kBlack, "w head"},
                            {20, 49, kBlack, "w head, left corner"},
                            {32, 49, kBlack, "w head, right corner"},
                            {20, 60, kPaper, "below the w head's base"},
                            {70, 85, kBlack, "e arrow"},
                            {87, 79, kBlack, "e head"},
                            {87, 91, kBlack, "e head"},
                            {400, 85, kBlack, "y arrow, across"},
                            {447, 120, kBlack, "y arrow, down"},
                            {447, 178, kBlack, "y head"},
                            {441, 169, kBlack, "y head"},
                            {447, 180, kBlack, "y tip"},
                            {447, 270, kBlack, "z arrow"},
                            {447, 285, kBlack, "z arrow start"},
                            {441, 239, kBlack, "z head"},
                            {447, 286, kPaper, "below the z arrow"},
                            {380, 205, kBlack, "u arrow"},
                            {353, 199, kBlack, "u head"},
                            {353, 211, kBlack, "u head"},
                            {60, 205, kBlack, "x arrow, across"},
                            {26, 150, kBlack, "x arrow, up"},
                            {20, 119, kBlack, "x head"},
                            // Junction 1 at (5, 64) and junction 2 at (426, 184).
                            {26, 75, kBlack, "junction 1 quarter"},
                            {15, 85, kCyan, "junction 1 left"},
                            {37, 85, kCyan, "junction 1 right"},
                            {26, 97, kCyan, "junction 1 bottom"},
                            {19, 92, kBlack, "junction 1 rising diagonal"},
                            {33, 92, kBlack, "junction 1 falling diagonal"},
                            {447, 195, kBlack, "junction 2 quarter"},
                            {436, 205, kCyan, "junction 2 left"},
                            {447, 217, kCyan, "junction 2 bottom"},
                            {440, 212, kBlack, "junction 2 rising diagonal"},
                            {454, 212, kBlack, "junction 2 falling diagonal"},
                            {447, 176, kBlack, "no cut bar"},
                        });
  // Signal letters with their baselines at the given points, in black ink
  // with smoothed edges; the red area letter near the right edge.
  struct Place {
    const char* letter;
    int x, y;
  };
  for (const Place& p : {Place{"w", 40, 28}, Place{"e", 67, 75}, Place{"y", 421, 145}, Place{"z", 421, 265},
                         Place{"u", 405, 226}, Place{"x", 67, 226}}) {
    EXPECT_GT(CountDarkIn(panel(), p.x, p.y - 12, p.x + 12, p.y), 5) << p.letter;
    EXPECT_EQ(CountDarkIn(panel(), p.x - 8, p.y - 12, p.x - 2, p.y), 0) << p.letter << " starts at its x";
  }
  EXPECT_GT(CountIn(panel(), 560, 5, 599, 40, kRed), 30);
  EXPECT_EQ(CountIn(panel(), 0, 0, 559, 299, kRed), 0);
}

TEST_F(Diagram, CutLoopShortensTheYArrowAndShowsTheRedBar) {
  q().cut = true;
  Build(200, 240);
  EXPECT_EQ(CountIn(panel(), 435, 174, 458, 179, kRed), 24 * 6);
  EXPECT_EQ(CountIn(panel(), 430, 170, 463, 183, kRed), 24 * 6);  // nothing beyond the bar
  ExpectPixels(panel(), {{447, 168, kBlack, "shortened y head"},
                         {447, 150, kBlack, "y arrow"},
                         {447, 181, kPaper, "no y tip at the junction"},
                         {447, 172, kPaper, "between head and bar"}});
  // The letters and junctions stay black after the red bar.
  EXPECT_GT(CountDarkIn(panel(), 421, 133, 433, 145), 5);
  EXPECT_EQ(q().panel()->Graphics().ForeColor(), kBlack);
}

TEST_F(Diagram, WidePlantMovesTheRightHandLineAndWidensThePanel) {
  Build(200, 400);
  EXPECT_EQ(q().RecMax, 595);
  EXPECT_EQ(panel().Width(), 615);
  ExpectPixels(panel(), {
                            {400, 85, kBlack, "y arrow, across"},
                            {570, 120, kBlack, "y arrow, down"},
                            {570, 260, kBlack, "z arrow"},
                            {520, 205, kBlack, "u arrow"},
                            {513, 199, kBlack, "u head"},
                            {570, 195, kBlack, "junction 2 quarter"},
                            {570, 217, kCyan, "junction 2 bottom"},
                            {608, 250, kPaper, "background over the widened part"},
                            {447, 120, kPaper, "nothing at the old line"},
                        });
  EXPECT_GT(CountDarkIn(panel(), 544, 133, 556, 145), 5);  // y
  EXPECT_GT(CountDarkIn(panel(), 528, 214, 540, 226), 5);  // u
  EXPECT_GT(CountIn(panel(), 575, 5, 614, 40, kRed), 30);  // "A" follows the edge
  EXPECT_EQ(CountIn(panel(), 0, 0, 574, 299, kRed), 0);
}

TEST_F(Diagram, RightHandLineAndPanelWidthFollowTheWidestBlock) {
  q().BuildSimpStr();
  struct Case {
    fw::Integer w1, w2, recMax, width;
  };
  // Right edges 402 | 403 | 510 | 511, from either block, then back to narrow.
  for (const Case& c : {Case{277, 100, 472, 600}, Case{100, 278, 473, 600}, Case{385, 200, 580, 600},
                        Case{200, 386, 581, 601}, Case{1000, 10, 1195, 1215}, Case{200, 240, 472, 600}}) {
    Redraw(c.w1, c.w2);
    EXPECT_EQ(q().RecMax, c.recMax) << c.w1 << " " << c.w2;
    EXPECT_EQ(panel().Width(), c.width) << c.w1 << " " << c.w2;
    EXPECT_EQ(panel().PixelAt(c.recMax - 25, 120), kBlack) << "y arrow down at RecMax";
  }
  // The redraw after narrowing leaves nothing of the wide loop.
  EXPECT_EQ(CountDarkIn(panel(), 480, 0, 599, 299), 0);
}

TEST_F(Diagram, DrawArrowsWithoutBothBlocksDrawsNothing) {
  q().dx = 25;
  q().dy = 55;
  q().NewBx();  // the controller alone
  q().panel()->Refresh(true);
  q().DrawArrows();
  EXPECT_EQ(q().RecMax, 0);
  EXPECT_EQ(CountDarkIn(panel(), 0, 0, 599, 299), 0);
}

TEST_F(OpenWindow, SummingJunctionAtJunctionOnesBox) {
  fw::Canvas& panel = *q().panel();
  panel.Refresh(true);
  q().panel()->Graphics().SetForeColor(fw::RGB(0, 0, 255));  // whatever came before
  q().SubSymb(5, 64);
  EXPECT_EQ(panel.Graphics().ForeColor(), kBlack);
  ExpectPixels(panel, {
                          {5, 85, kBlack, "outline, left"},
                          {46, 85, kBlack, "outline, right"},
                          {26, 105, kBlack, "outline, bottom"},
                          {4, 85, kPaper, "outside the box"},
                          {47, 85, kPaper, "outside the box"},
                          {12, 99, kBlack, "rising diagonal end"},
                          {40, 71, kBlack, "rising diagonal end"},
                          {12, 71, kBlack, "falling diagonal end"},
                          {40, 99, kBlack, "falling diagonal end"},
                          {26, 80, kBlack, "quarter near the centre"},
                          {26, 67, kBlack, "quarter at the top"},
                          {21, 66, kBlack, "quarter, vertex (21, 65)"},
                          {31, 66, kBlack, "quarter, vertex (31, 65)"},
                          {12, 85, kCyan, "left quarter"},
                          {40, 85, kCyan, "right quarter"},
                          {26, 92, kCyan, "bottom quarter"},
                          {10, 10, kPaper, "far away"},
                      });
  // The black quarter is the wedge above the centre between the diagonals.
  EXPECT_EQ(CountIn(panel, 6, 86, 46, 104, kBlack) < 120, true);
  EXPECT_GT(CountIn(panel, 14, 66, 38, 84, kBlack), 200);
}

TEST_F(OpenWindow, ArrowHeadPointsTheWayItsLetterSays) {
  fw::Canvas& panel = *q().panel();
  q().dx = 25;
  q().dy = 55;
  // The whole path on one point: only the head shows, tip at panel (200, 150).
  const std::vector<fw::Integer> tip = {225, 205, 225, 205, 225, 205};
  struct Case {
    const char* letter;
    int onX, onY;    // inside this head
    int offX, offY;  // where the opposite head would be
  };
  for (const Case& c : {Case{"S", 205, 137, 205, 163}, Case{"N", 205, 163, 205, 137}, Case{"O", 187, 155, 213, 155},
                        Case{"W", 213, 155, 187, 155}}) {
    panel.Refresh(true);
    q().Pfeil(tip, c.letter);
    EXPECT_EQ(panel.PixelAt(c.onX, c.onY), kBlack) << c.letter;
    EXPECT_EQ(panel.PixelAt(c.offX, c.offY), kPaper) << c.letter;
    EXPECT_EQ(panel.PixelAt(200, 150), kBlack) << c.letter << " tip";
  }
  // An unknown letter draws the path without a head.
  panel.Refresh(true);
  q().Pfeil(tip, "Q");
  EXPECT_EQ(CountIn(panel, 180, 130, 220, 170, kBlack), 1);
  // Too few points: the missing ones are 0, nothing outside the panel's range.
  panel.Refresh(true);
  q().Pfeil({}, "S");
  q().Pfeil({25, 55}, "N");

  // The letter alone decides: a downward path with "N" gets an upward head at
  // its last point; the corners of a "W" head lie 7 and 8 rows off its axis.
  panel.Refresh(true);
  q().Pfeil({451, 100, 451, 100, 451, 260}, "N");
  EXPECT_EQ(panel.PixelAt(426, 60), kBlack);   // the line
  EXPECT_EQ(panel.PixelAt(426, 218), kBlack);  // head below the tip
  EXPECT_EQ(panel.PixelAt(420, 218), kBlack);
  EXPECT_EQ(panel.PixelAt(420, 192), kPaper);  // none above it
  panel.Refresh(true);
  q().Pfeil({451, 260, 451, 260, 365, 260}, "W");
  EXPECT_EQ(panel.PixelAt(355, 198), kBlack);
  EXPECT_EQ(panel.PixelAt(355, 196), kPaper);
  EXPECT_EQ(panel.PixelAt(354, 211), kBlack);
  EXPECT_EQ(panel.PixelAt(355, 214), kPaper);
  EXPECT_EQ(panel.PixelAt(339, 205), kPaper);  // nothing beyond the tip
}
