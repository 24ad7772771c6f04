// The chart's controls: zero-line slider, time zoom with its hold at 100
// while a curve is drawn by hand, y scale field and the curve toggles.
#include <QTest>

#include <string>
#include <vector>

#include "WindowFixture.h"

namespace {

const fw::Color kMark{0, 0, 255};

class ChartControls : public OpenWindow {
 protected:
  fw::Canvas& chart() { return *q().diagram(); }
  // A mark on the chart's surface that only a repaint removes.
  void Mark() {
    fw::Graphics& g = chart().Graphics();
    const fw::Color before = g.ForeColor();
    g.SetForeColor(kMark);
    g.FillRect(300, 300, 4, 4);
    g.SetForeColor(before);
  }
  bool Marked() { return chart().PixelAt(301, 301) == kMark; }
};

}  // namespace

TEST_F(ChartControls, OpeningSetsTheScalesThroughTheSliders) {
  EXPECT_EQ(q().yZero, 200);
  EXPECT_EQ(q().TimeLab()->Text(), "10");
  EXPECT_EQ(q().yFld()->Text(), "100");
  fw::Slider& x = *q().SlidX();
  EXPECT_EQ(x.Value(), 500);
  EXPECT_EQ(x.Minimum(), 10);
  EXPECT_EQ(x.Maximum(), 500);
  EXPECT_EQ(x.Width(), 510);
  EXPECT_EQ(x.Left(), 686);
  fw::Slider& y = *q().SlidY();
  EXPECT_EQ(y.Value(), 200);
  EXPECT_EQ(y.Minimum(), 0);
  EXPECT_EQ(y.Maximum(), 400);
  EXPECT_FALSE(q().BBtn(0)->Visible());
}

TEST_F(ChartControls, ZeroLineSliderCountsRowsFromTheBottomAndRepaints) {
  for (auto [value, row] : {std::pair{400, 0}, std::pair{0, 400}, std::pair{300, 100}, std::pair{200, 200}}) {
    Mark();
    q().SlidY()->SetValue(value);
    EXPECT_EQ(q().yZero, row) << value;
    EXPECT_FALSE(Marked()) << value;
    if (row < 400) {
      EXPECT_EQ(chart().PixelAt(250, row), kBlack) << value;
    }
    // Grid lines every 50 rows through the zero line.
    EXPECT_EQ(chart().PixelAt(250, 50 + (row % 50)), row % 50 == 0 ? kGrid : kBlack) << value;
  }
}

TEST_F(ChartControls, TimeSliderShowsRoundedSteps) {
  ASSERT_EQ(q().Phase, 1);
  struct Case {
    fw::Integer value;
    const char* steps;
  };
  for (const Case& c : {Case{100, "50"}, Case{101, "50"}, Case{99, "51"}, Case{10, "500"}, Case{499, "10"},
                        Case{500, "10"}, Case{16, "313"}, Case{80, "63"}, Case{400, "13"}}) {
    Mark();
    q().SlidX()->SetValue(c.value);
    EXPECT_EQ(q().TimeLab()->Text(), c.steps) << c.value;
    EXPECT_TRUE(Marked()) << c.value << ": no repaint before the results";
  }
  // A value below the range is held at its minimum.
  q().SlidX()->SetValue(0);
  EXPECT_EQ(q().SlidX()->Value(), 10);
  EXPECT_EQ(q().TimeLab()->Text(), "500");
}

TEST_F(ChartControls, TimeSliderIsHeldAt100WhileTheInputShapeIsHand) {
  struct Case {
    fw::Integer phase;
    const char* shape;
    fw::Integer value, held;
    bool repainted;
  };
  for (const Case& c :
       {Case{3, "Hand", 60, 100, false}, Case{4, "Hand", 10, 100, false}, Case{5, "Hand", 10, 100, true},
        Case{3, "Hand", 150, 150, false}, Case{5, "Sprung", 10, 10, true}, Case{1, "Hand", 60, 60, false},
        Case{3, "hand", 60, 60, false}}) {
    q().Phase = c.phase;
    q().friFld()->SetText(c.shape);
    q().SlidX()->SetValue(300);
    Mark();
    q().SlidX()->SetValue(c.value);
    EXPECT_EQ(q().SlidX()->Value(), c.held) << c.phase << c.shape << c.value;
    EXPECT_EQ(q().TimeLab()->Text(), fw::Str(fw::Round(5000.0 / c.held))) << c.phase << c.shape << c.value;
    EXPECT_EQ(Marked(), !c.repainted) << c.phase << c.shape << c.value;
  }
}

TEST_F(ChartControls, YScaleEditsRedrawTheGrid) {
  auto greyRows = [&] {
    std::vector<int> rows;
    for (int y = 1; y < 399; ++y)
      if (chart().PixelAt(275, y) == kGrid) rows.push_back(y);
    return rows;
  };
  Mark();
  q().yFld()->SetText("200");
  EXPECT_FALSE(Marked());
  EXPECT_EQ(greyRows(), (std::vector<int>{100, 300}));
  // Typing, one key at a time, through the empty text.
  QWidget* field = q().yFld()->Widget();
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(q().yFld()->Text(), "");
  EXPECT_EQ(greyRows(), std::vector<int>{});
  EXPECT_EQ(chart().PixelAt(250, 200), kBlack);
  QTest::keyClicks(field, "50");
  EXPECT_EQ(q().yFld()->Text(), "50");
  EXPECT_EQ(greyRows().size(), 14u);  // every 25 rows but the zero line's
}

TEST_F(ChartControls, TogglesFlipOnClickAndRedrawTheirCurves) {
  q().s.Resize(4, 500);
  const char* captions[] = {"x", "y", "z", "w"};
  for (const char* caption : captions) {
    fw::BevelButton& t = q().NewBBtn();
    EXPECT_FALSE(t.Visible()) << caption;
    t.SetCaption(caption);
    t.SetVisible(true);
  }
  fwtest::ShowAndWait(q());
  for (int i : {1, 2, 4}) q().BBtn(i)->Push();
  for (int i : {1, 2, 4}) EXPECT_TRUE(q().BBtn(i)->Value()) << i;
  EXPECT_FALSE(q().BBtn(3)->Value());
  q().BBtn(1)->SetWidth(70);

  Mark();
  Click(q().BBtn(1));
  EXPECT_FALSE(q().BBtn(1)->Value());
  EXPECT_EQ(q().BBtn(1)->Width(), 40);
  EXPECT_FALSE(Marked());
  // y now first: dark red at the lowest place; w second: dark green above.
  EXPECT_GT(CountIn(chart(), 470, 376, 490, 390, kDarkRed), 5);
  EXPECT_GT(CountIn(chart(), 470, 348, 490, 362, kDarkGreen), 5);
  EXPECT_EQ(CountIn(chart(), 470, 320, 490, 334, kDarkGreen) + CountIn(chart(), 470, 320, 490, 334, kDarkRed), 0);
}
