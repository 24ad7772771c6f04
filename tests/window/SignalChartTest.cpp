// The signal chart: grid, frame and area letter from the paint event; zero
// line, curves, rings and legend from Drw; scales read back from the controls.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "WindowFixture.h"

namespace {

// Rows of column x that hold grid grey.
std::vector<int> GreyRows(const fw::Canvas& c, int x) {
  std::vector<int> rows;
  for (int y = 0; y < c.Height(); ++y)
    if (c.PixelAt(x, y) == kGrid) rows.push_back(y);
  return rows;
}

std::vector<int> GreyColumns(const fw::Canvas& c, int y) {
  std::vector<int> cols;
  for (int x = 0; x < c.Width(); ++x)
    if (c.PixelAt(x, y) == kGrid) cols.push_back(x);
  return cols;
}

class Chart : public OpenWindow {
 protected:
  void SetUp() override {
    OpenWindow::SetUp();
    q().s.Resize(4, 500);
  }
  // The four curve toggles as the reference phase makes them.
  void MakeToggles() {
    const char* captions[] = {"x", "y", "z", "w"};
    for (const char* caption : captions) {
      fw::BevelButton& toggle = q().NewBBtn();
      toggle.SetCaption(caption);
    }
  }
  void Press(std::initializer_list<int> toggles) {
    for (int i : toggles) q().BBtn(i)->SetValue(true);
  }
  // Shown steps and y scale as the controls hold them, then the chart redraw.
  void Show(const char* steps, const char* scale) {
    q().TimeLab()->SetText(steps);
    q().yFld()->SetText(scale);  // its change repaints and draws
    Redraw();
  }
  void Redraw() {
    chart().Refresh(true);
    q().Drw();
  }
  fw::Canvas& chart() { return *q().diagram(); }
};

}  // namespace

TEST_F(Chart, StartChartHasTheGridFrameLetterAndZeroLine) {
  EXPECT_EQ(q().yZero, 200);
  EXPECT_EQ(q().TimeLab()->Text(), "10");
  EXPECT_EQ(q().yFld()->Text(), "100");
  Redraw();
  ASSERT_EQ(chart().Width(), 500);
  // Rows 0, 50, ..., 400: row 0 lies under the frame, 400 below the canvas,
  // 200 under the zero line.
  EXPECT_EQ(GreyRows(chart(), 250), (std::vector<int>{50, 100, 150, 250, 300, 350}));
  EXPECT_EQ(chart().PixelAt(250, 200), kBlack);
  EXPECT_EQ(chart().PixelAt(250, 75), kWhite);
  // The one vertical line, x = 500, lies just beyond the 500-pixel canvas.
  EXPECT_EQ(GreyColumns(chart(), 75), std::vector<int>{});
  for (auto [x, y] : {std::pair{0, 75}, std::pair{499, 75}, std::pair{250, 0}, std::pair{250, 399}})
    EXPECT_EQ(chart().PixelAt(x, y), kBlack) << x << "," << y;
  EXPECT_GT(CountIn(chart(), 10, 5, 45, 40, kRed), 30);
  EXPECT_EQ(CountIn(chart(), 60, 0, 499, 399, kRed), 0);
  // No toggle yet: nothing but the zero line.
  EXPECT_EQ(CountIn(chart(), 0, 0, 499, 399, kDarkRed), 0);
}

TEST_F(Chart, VerticalLinesEveryTenShownSteps) {
  struct Case {
    const char* steps;
    std::vector<int> columns;
  };
  std::vector<int> every10;
  for (int x = 10; x < 500; x += 10) every10.push_back(x);
  for (const Case& c : {Case{"50", {100, 200, 300, 400}}, Case{"12", {417}}, Case{"500", every10}, Case{"9", {}},
                        Case{"", {}}, Case{"-40", {}}}) {
    Show(c.steps, "100");
    EXPECT_EQ(GreyColumns(chart(), 75), c.columns) << c.steps;
  }
  // Beyond 5000 shown steps the lines lie closer than a pixel: every column
  // from the first to the last is grey, and the paint still ends at once.
  Show("1000000000", "100");
  EXPECT_EQ(GreyColumns(chart(), 75).size(), 498u);  // all but the frame's columns
  Show("1e400", "100");                              // no number of steps
  EXPECT_EQ(GreyColumns(chart(), 75), std::vector<int>{});
}

TEST_F(Chart, HorizontalLinesEveryHalfUnitThroughTheZeroLine) {
  struct Case {
    const char* scale;
    fw::Integer yZero;
    std::vector<int> rows;  // grey rows of a column without vertical lines
  };
  for (const Case& c : {
           // 13 lines, i = -6 to 6, rows -25, 12.5, ..., 425, halves cut off.
           Case{"75", 200, {12, 50, 87, 125, 162, 237, 275, 312, 350, 387}},
           Case{"100", 0, {50, 100, 150, 200, 250, 300, 350}},
           Case{"100", 400, {50, 100, 150, 200, 250, 300, 350}},
           Case{"-100", 200, {}},  // lower bound above the upper: none
           Case{"0", 200, {}},     // no scale: no lines
           Case{"", 200, {}},
           Case{"abc", 200, {}},
           Case{"1e400", 200, {}},
       }) {
    q().yZero = c.yZero;
    Show("10", c.scale);
    EXPECT_EQ(GreyRows(chart(), 275), c.rows) << c.scale << " at " << c.yZero;
  }
  // A tiny scale puts the lines closer than a pixel: every row between the
  // frame is grey, except the zero line's.
  for (const char* tiny : {"0.001", "0.000001", "-0.000001"}) {
    q().yZero = 200;
    Show("10", tiny);
    EXPECT_EQ(GreyRows(chart(), 275).size(), tiny[0] == '-' ? 0u : 397u) << tiny;
  }
  // Bounds beyond the Integer range are held at its ends: at 1e-30 those
  // lines all lie within a hair of the zero line; and a zero line far off the
  // canvas leaves none on it. Either way the paint ends at once.
  for (auto [scale, zero] : {std::pair{"1e-30", 200}, std::pair{"0.5", 2000000000}, std::pair{"0.5", -2000000000}}) {
    q().yZero = zero;
    Show("10", scale);
    EXPECT_EQ(GreyRows(chart(), 275), std::vector<int>{}) << scale << " at " << zero;
  }
}

TEST_F(Chart, MarkerRadiusFollowsTheShownSteps) {
  MakeToggles();
  Press({1});
  struct Case {
    const char* steps;
    int radius;  // 0: no ring
  };
  // Flat curve on row 200: the ring round step 0 reaches r rows above it.
  for (const Case& c : {Case{"10", 4}, Case{"28", 4}, Case{"29", 3}, Case{"39", 3}, Case{"40", 3}, Case{"41", 2},
                        Case{"50", 2}, Case{"66", 2}, Case{"67", 0}, Case{"200", 0}, Case{"201", 0}, Case{"500", 0}}) {
    Show(c.steps, "100");
    int reach = 0;
    for (int d = 8; d >= 1 && reach == 0; --d)
      if (chart().PixelAt(0, 200 - d) == kDarkRed) reach = d;
    EXPECT_EQ(reach, c.radius) << c.steps;
    if (c.radius > 1) {
      EXPECT_EQ(chart().PixelAt(0, 200 - c.radius + 1), kWhite) << c.steps << ": filled white";
    }
  }
}

TEST_F(Chart, CurvesTakeColoursAndLegendPlacesInShownOrder) {
  MakeToggles();
  struct Legend {
    fw::Color colour;
    int baseline;
  };
  auto legendInk = [&](const Legend& l) { return CountIn(chart(), 470, l.baseline - 14, 490, l.baseline, l.colour); };

  Press({4});
  Show("100", "100");
  EXPECT_GT(legendInk({kDarkRed, 390}), 5) << "w alone: dark red at the lowest place";
  EXPECT_EQ(CountIn(chart(), 470, 280, 499, 370, kDarkRed), 0);
  EXPECT_EQ(chart().PixelAt(250, 200), kDarkRed);

  Press({1, 2, 3});
  Redraw();
  EXPECT_GT(legendInk({kDarkRed, 390}), 5) << "x";
  EXPECT_GT(legendInk({kDarkGreen, 362}), 5) << "y";
  EXPECT_GT(legendInk({kDarkBlue, 334}), 5) << "z";
  EXPECT_GT(legendInk({kBlack, 306}), 5) << "w";
  // Drawn in signal order: w, the fourth, lies black over the others.
  EXPECT_EQ(chart().PixelAt(250, 200), kBlack);
}

TEST_F(Chart, PointsLieAtScaledHeightsAroundTheZeroLine) {
  MakeToggles();
  Press({1});
  q().s(1, 3) = 1.0f;
  q().s(1, 4) = -1.0f;
  q().s(1, 5) = 2.0f;
  q().s(1, 6) = 3.0f;  // beyond the canvas's top
  Show("100", "100");  // 5 pixels a step, no rings
  EXPECT_EQ(chart().PixelAt(15, 100), kDarkRed);
  EXPECT_EQ(chart().PixelAt(20, 300), kDarkRed);
  EXPECT_EQ(chart().PixelAt(25, 0), kDarkRed);
  EXPECT_EQ(chart().PixelAt(40, 200), kDarkRed);
  EXPECT_EQ(chart().PixelAt(15, 299), kWhite);

  Show("100", "-100");  // mirrored
  EXPECT_EQ(chart().PixelAt(15, 300), kDarkRed);
  EXPECT_EQ(chart().PixelAt(20, 100), kDarkRed);
  EXPECT_EQ(chart().PixelAt(15, 100), kWhite);  // no grid at a negative scale

  Show("100", "0");  // every point on the zero line
  EXPECT_EQ(chart().PixelAt(15, 100), kWhite);
  EXPECT_EQ(chart().PixelAt(15, 200), kDarkRed);
}

TEST_F(Chart, CurvesStayWithinTheSignalMatrix) {
  MakeToggles();
  Press({1, 2, 3, 4});
  q().s.Resize(4, 20);  // fewer steps than shown
  Show("50", "100");
  // Rings up to step 19 (x 190), none beyond the matrix's last step 20.
  EXPECT_EQ(chart().PixelAt(155, 200), kBlack);  // w, the fourth curve
  EXPECT_EQ(chart().PixelAt(190, 200), kWhite);
  EXPECT_EQ(chart().PixelAt(210, 200), kBlack);
  EXPECT_EQ(chart().PixelAt(300, 200), kBlack);
  q().s.Resize(2, 500);  // no rows for z and w
  Show("1000000000", "100");
  q().s.Resize(-1, -1);  // empty
  Show("500", "100");
  EXPECT_EQ(chart().PixelAt(250, 200), kBlack);  // the zero line alone
  Show("1e400", "1e400");
  q().nSg = 0;  // no signals to show
  Show("50", "100");
  EXPECT_EQ(CountIn(chart(), 470, 290, 490, 390, kDarkRed), 0);
}

// A value that is no number, or whose place on the chart is not finite, is
// no point of the curve: the curve stops where the numbers stop, with and
// without rings, and an infinite y scale draws no curve at all.
TEST_F(Chart, ValuesWithNoFinitePlaceAreNoPointsOfTheCurve) {
  MakeToggles();
  Press({1});
  for (int t = 0; t < 20; ++t) q().s(1, t) = 0.5f;
  q().s(1, 20) = -std::numeric_limits<float>::infinity();
  for (int t = 21; t <= 500; ++t) q().s(1, t) = std::numeric_limits<float>::quiet_NaN();
  Show("500", "100");  // a pixel a step, no rings
  EXPECT_EQ(chart().PixelAt(10, 150), kDarkRed);
  EXPECT_EQ(CountIn(chart(), 20, 0, 460, 399, kDarkRed), 0);  // the legend letter aside
  EXPECT_EQ(CountIn(chart(), 0, 0, 460, 0, kDarkRed), 0);
  Show("50", "100");  // 10 pixels a step, rings of radius 2
  EXPECT_EQ(chart().PixelAt(185, 150), kDarkRed);
  EXPECT_EQ(CountIn(chart(), 193, 0, 460, 399, kDarkRed), 0);
  // Finite values whose place is not: 0.5 x 1e39 in 32 bits.
  for (int t = 0; t <= 500; ++t) q().s(1, t) = t < 250 ? 0.0f : 0.5f;
  Show("500", "1e39");
  EXPECT_EQ(CountIn(chart(), 0, 0, 460, 399, kDarkRed), 0);
  EXPECT_EQ(chart().PixelAt(100, 200), kBlack);  // the zero line
  Show("500", "100");
  EXPECT_EQ(chart().PixelAt(100, 200), kDarkRed);
  EXPECT_EQ(chart().PixelAt(300, 150), kDarkRed);
}

// The loop that diverges, run through the dialogue: controller K0 10 on the
// example plant, both dead times 1. Its values overflow to "-∞" and then NaN
// within the 500 steps; the x and y curves over all 500 steps show the finite
// part, steep lines off the chart included, and beyond it nothing along the
// top row. With the y scale "1e39", infinite in 32 bits, no curve is drawn.
using DivergingLoop = OpenWindow;
TEST_F(DivergingLoop, TheCurvesStopWhereTheNumbersStop) {
  ToResults(With(kExampleLoop, {{3, "10"}, {6, "1"}}));
  q().SlidX()->SetValue(q().SlidX()->Minimum());
  ASSERT_EQ(q().TimeLab()->Text(), "500");
  Click(q().BBtn(1));
  Click(q().BBtn(2));
  // The last step at which a curve still has a place: one pixel a step.
  int finite = 0;
  for (int t = 0; t <= 500; ++t)
    if (std::isfinite(100.0f * q().s.Get(1, t)) || std::isfinite(100.0f * q().s.Get(2, t))) finite = t;
  ASSERT_GT(finite, 20);
  ASSERT_LT(finite, 400) << "the loop did not overflow";
  fw::Canvas& chart = *q().diagram();
  const auto curveInk = [&](int x0, int y0, int x1, int y1) {
    return CountIn(chart, x0, y0, x1, y1, kDarkRed) + CountIn(chart, x0, y0, x1, y1, kDarkGreen);
  };
  EXPECT_GT(curveInk(0, 0, finite, 399), 2 * finite);
  EXPECT_GT(curveInk(0, 0, finite, 1), 0) << "no steep line leaves the chart";
  // Beyond the finite part, left of the legend letters.
  EXPECT_EQ(curveInk(finite + 1, 0, 459, 399), 0);

  fw::TextField& scale = *q().yFld();
  scale.Widget()->setFocus();
  QTest::keyClick(scale.Widget(), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(scale.Widget(), "1e39");
  ASSERT_EQ(scale.Text(), "1e39");
  EXPECT_EQ(curveInk(0, 0, 459, 399), 0);
  EXPECT_EQ(chart.PixelAt(300, q().yZero), kBlack);  // the zero line
}
