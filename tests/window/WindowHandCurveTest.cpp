// Drawing an input curve by hand: Option-key moves over the chart take one
// point per 10-pixel step, refuse skipped steps with a beep and draw rings.
#include <QMainWindow>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>

#include <vector>

#include "AltKey.h"
#include "System.h"
#include "WindowFixture.h"

namespace {

class HandCurve : public ShownWindow {
 protected:
  void SetUp() override {
    ShownWindow::SetUp();
    q().Phase = 3;
    q().friFld()->SetText("Hand");
    q().friFld()->SetVisible(true);
    q().diagram()->Refresh(true);
    fwtest::KeyboardTo(q().Widget());
    Alt(true);
  }
  void TearDown() override {
    Alt(false);
    ShownWindow::TearDown();
  }
  static void Alt(bool down) { fwtest::Alt(down); }
  void Move(int x, int y) { QTest::mouseMove(q().diagram()->Widget(), QPoint(x, y)); }
  // The curve so far with points at x 0, 10, ..., 10 n on row 150.
  void Points(int n) {
    q().ix.assign(1, 0);
    q().iy.assign(1, 0);
    for (int k = 1; k <= n; ++k) {
      q().ix.push_back(10 * k);
      q().iy.push_back(50);
    }
  }
  fw::Canvas& chart() { return *q().diagram(); }
};

}  // namespace

TEST_F(HandCurve, FreshCurveTakesItsFirstPointFromX9) {
  const fw::Integer beeps = fw::BeepCount();
  for (int x = 0; x <= 8; ++x) Move(x, 100);
  EXPECT_EQ(q().ix, std::vector<fw::Integer>{0});
  EXPECT_EQ(q().Time, 50);
  EXPECT_EQ(q().SlidX()->Value(), 100);
  EXPECT_EQ(q().TimeLab()->Text(), "50");
  Move(9, 100);
  EXPECT_EQ(q().ix, (std::vector<fw::Integer>{0, 10}));
  EXPECT_EQ(q().iy, (std::vector<fw::Integer>{0, 100}));  // yZero 200 less row 100
  // The segment from (0, yZero) and a black ring with a white centre at (10, 100).
  EXPECT_EQ(chart().PixelAt(1, 190), kBlack);
  EXPECT_EQ(chart().PixelAt(5, 150), kBlack);
  EXPECT_EQ(chart().PixelAt(10, 100), kWhite);
  EXPECT_EQ(chart().PixelAt(10, 98), kBlack);
  EXPECT_EQ(chart().PixelAt(10, 102), kBlack);
  EXPECT_EQ(chart().PixelAt(8, 100), kBlack);
  EXPECT_EQ(chart().PixelAt(10, 97), kWhite);
  EXPECT_EQ(fw::BeepCount(), beeps);
  // Within that step nothing more; 19 to 28 would skip a step.
  for (int x = 10; x <= 18; ++x) Move(x, 50);
  EXPECT_EQ(q().ix.size(), 2u);
  EXPECT_EQ(fw::BeepCount(), beeps);
}

// The rule's cases are the model's (NextCurveMove); two of them through the
// window's pointer moves, with the beep.
TEST_F(HandCurve, SkippedStepsBeepAndAddNothing) {
  // Last point at x 40.
  struct Case {
    int x;
    int added;  // x of the step the move reaches: a new point, or with a beep a skipped step and none
    bool beep;
  };
  for (const Case& c : {Case{55, 50, false}, Case{59, 60, true}}) {
    Points(4);
    const fw::Integer beeps = fw::BeepCount();
    Move(c.x, 120);
    EXPECT_EQ(fw::BeepCount(), beeps + (c.beep ? 1 : 0)) << c.x;
    if (!c.beep) {
      ASSERT_EQ(q().ix.size(), 6u) << c.x;
      EXPECT_EQ(q().ix.back(), c.added) << c.x;
      EXPECT_EQ(q().iy.back(), 80) << c.x;
    } else {
      EXPECT_EQ(q().ix.size(), 5u) << c.x;
    }
  }
}

TEST_F(HandCurve, LastPointNeedsTheLastColumnAndAFullCurveTakesNoMore) {
  Points(49);
  Move(498, 200);
  EXPECT_EQ(q().ix.size(), 50u);
  Move(499, 180);
  ASSERT_EQ(q().ix.size(), 51u);
  EXPECT_EQ(q().ix.back(), 500);
  EXPECT_EQ(q().iy.back(), 20);
  const fw::Integer beeps = fw::BeepCount();
  for (int x : {0, 250, 499}) Move(x, 10);
  EXPECT_EQ(q().ix.size(), 51u);
  EXPECT_EQ(fw::BeepCount(), beeps);
}

TEST_F(HandCurve, HeightsAreTakenAgainstTheZeroLineOfTheirMoment) {
  Move(9, 150);
  q().SlidY()->SetValue(300);  // zero line up to row 100; the chart repaints
  ASSERT_EQ(q().yZero, 100);
  Alt(true);
  Move(19, 150);
  EXPECT_EQ(q().iy, (std::vector<fw::Integer>{0, 50, -50}));
  // The new segment starts at point 1's height over the new zero line.
  EXPECT_EQ(chart().PixelAt(10, 50), kBlack);
  EXPECT_EQ(chart().PixelAt(15, 100), kBlack);
  EXPECT_EQ(chart().PixelAt(10, 151), kWhite);  // the old ring is gone
  EXPECT_EQ(chart().PixelAt(20, 148), kBlack);
  EXPECT_EQ(chart().PixelAt(20, 150), kWhite);
}

TEST_F(HandCurve, NothingHappensWithoutTheOptionKeyTheShapeOrTheField) {
  struct Case {
    bool alt;
    const char* shape;
    bool visible;
  };
  for (const Case& c :
       {Case{false, "Hand", true}, Case{true, "Sprung", true}, Case{true, " ", true}, Case{true, "Hand", false}}) {
    Points(0);
    q().Time = 500;
    q().SlidX()->SetValue(400);
    q().friFld()->SetText(c.shape);
    q().friFld()->SetVisible(c.visible);
    Alt(c.alt);
    Move(9, 100);
    Move(20, 100);
    EXPECT_EQ(q().ix, std::vector<fw::Integer>{0}) << c.shape << c.alt << c.visible;
    EXPECT_EQ(q().Time, 500) << c.shape;
    EXPECT_EQ(q().SlidX()->Value(), 400) << c.shape;
  }
}

// The Option key is Alt as it is, whichever program had the keyboard when it
// went down or up. Each road starts with another program active and the
// pointer resting on the chart; moves with Alt held draw, and no move
// without it takes a point.
TEST_F(HandCurve, TheOptionKeyIsAltAsItIsWhicheverProgramHadTheKeyboard) {
  const auto rest = [this] {
    Alt(false);
    Points(0);
    Move(5, 100);
    fwtest::KeyboardToAnotherProgram();
  };
  const auto movesWithoutAltTakeNothing = [this](const char* road) {
    for (int x = 19; x <= 59; x += 10) Move(x, 100);
    EXPECT_EQ(q().ix, (std::vector<fw::Integer>{0, 10})) << road;
  };
  // Alt down in the other program, Alt+Tab back here, a 2-pixel move while
  // Alt is held, Alt up while the window manager has the keyboard.
  rest();
  Alt(true);
  fwtest::KeyboardTo(q().Widget());
  Move(7, 100);
  Move(9, 100);
  ASSERT_EQ(q().ix, (std::vector<fw::Integer>{0, 10}));
  EXPECT_EQ(chart().PixelAt(10, 98), kBlack);  // its ring
  fwtest::KeyboardToAnotherProgram();
  Alt(false);
  fwtest::KeyboardTo(q().Widget());
  movesWithoutAltTakeNothing("Alt+Tab back");
  // This program never active: Alt down over the chart, a move, Alt up.
  rest();
  Alt(true);
  Move(9, 100);
  ASSERT_EQ(q().ix, (std::vector<fw::Integer>{0, 10}));
  Alt(false);
  movesWithoutAltTakeNothing("never active");
}

TEST_F(HandCurve, CurveListsOutOfStepAreMadeWhole) {
  q().ix.clear();
  q().iy.clear();
  Move(9, 100);
  EXPECT_EQ(q().ix, (std::vector<fw::Integer>{0, 10}));
  EXPECT_EQ(q().iy, (std::vector<fw::Integer>{0, 100}));
  q().iy.resize(1);
  Move(19, 90);
  EXPECT_EQ(q().ix.size(), q().iy.size());
  EXPECT_EQ(q().iy.back(), 110);
}

TEST_F(HandCurve, MovesRightOfTheChartCountAsItsLastColumnLeftOfItAsNoneAndRowsOutsideAsItsEdge) {
  struct Case {
    int x, y;
    std::vector<fw::Integer> ix;  // the curve after the move
    fw::Integer height;           // of the new point
    bool beep;
  };
  const std::vector<fw::Integer> before = {0, 10, 20, 30, 40};
  const std::vector<fw::Integer> next = {0, 10, 20, 30, 40, 50};
  for (const Case& c :
       {Case{500, 120, before, 0, true}, Case{540, 120, before, 0, true}, Case{-1, 120, before, 0, false},
        Case{49, -30, next, 200, false}, Case{49, 400, next, -199, false}, Case{49, 100000, next, -199, false}}) {
    Points(4);
    const fw::Integer beeps = fw::BeepCount();
    q().diagram_MouseMove(chart(), c.x, c.y);
    EXPECT_EQ(q().ix, c.ix) << c.x << "," << c.y;
    EXPECT_EQ(q().iy.size(), q().ix.size()) << c.x << "," << c.y;
    if (c.ix.size() > before.size()) {
      EXPECT_EQ(q().iy.back(), c.height) << c.x << "," << c.y;
    }
    EXPECT_EQ(fw::BeepCount(), beeps + (c.beep ? 1 : 0)) << c.x << "," << c.y;
  }
}

// A whole stroke with the button held, as a person draws it: from the left
// edge past the right one. The toolkit keeps sending the moves beyond the
// edge to the chart; the curve ends at its 51st point and OK takes it, the
// same as a stroke that ends on the chart's last column. The parameter is
// the stroke's last x.
class HandStroke : public ShownWindow, public ::testing::WithParamInterface<int> {
 protected:
  void TearDown() override {
    fwtest::Alt(false);
    ShownWindow::TearDown();
  }
  QWidget* chart() { return q().diagram()->Widget(); }
  // Alt held, the button pressed at (0, row), moves every `step` pixels from
  // x 1 on to lastX, and the release there; each reports Alt held.
  void Stroke(int lastX, int row, int step = 3) {
    const auto move = [this, row](int x) {
      QTest::mouseEvent(QTest::MouseMove, chart(), Qt::NoButton, Qt::AltModifier, QPoint(x, row));
    };
    fwtest::Alt(true);
    QTest::mousePress(chart(), Qt::LeftButton, Qt::AltModifier, QPoint(0, row));
    for (int x = 1; x < lastX; x += step) move(x);
    move(lastX);
    QTest::mouseRelease(chart(), Qt::LeftButton, Qt::AltModifier, QPoint(lastX, row));
  }
};

TEST_P(HandStroke, EndsTheCurveAtItsLastStepAndOkTakesIt) {
  ToDisturbancePhase();
  ChooseHand();
  const fw::Integer beeps = fw::BeepCount();
  Stroke(GetParam(), 150);
  ASSERT_EQ(q().ix.size(), 51u);
  EXPECT_EQ(q().ix.back(), 500);
  EXPECT_EQ(q().iy.back(), 50);
  EXPECT_EQ(fw::BeepCount(), beeps);
  Ok();
  EXPECT_EQ(q().Instruction()->Text(), "Führungsgröße definieren!");
  EXPECT_EQ(q().Phase, 4);
  EXPECT_EQ(q().s(3, 1), 0.5f);
  EXPECT_EQ(q().s(3, 50), 0.5f);
}

INSTANTIATE_TEST_SUITE_P(LastX, HandStroke, ::testing::Values(499, 500, 540));

// A stroke that crosses the right edge between two of its moves (every 5
// pixels: 496, then 501) still ends the curve on its last column.
TEST_F(HandStroke, OneThatJumpsPastTheLastColumnStillEndsOnIt) {
  ToDisturbancePhase();
  ChooseHand();
  Stroke(540, 150, 5);
  ASSERT_EQ(q().ix.size(), 51u);
  EXPECT_EQ(q().ix.back(), 500);
  Ok();
  EXPECT_EQ(q().Phase, 4);
}

// Alt held and no button, as the gesture goes: moves every `step` pixels
// from x 0 to 520, the last one on the chart left of its last column. The
// chart reports where the pointer left it, which takes the last point; OK
// takes the reference. The parameter is the step.
class ButtonlessStroke : public HandStroke {};

TEST_P(ButtonlessStroke, OverTheRightEdgeCompletesTheCurve) {
  ToReferencePhase();
  ChooseHand();
  fwtest::KeyboardTo(q().Widget());
  const fw::Integer beeps = fw::BeepCount();
  fwtest::Alt(true);
  for (int x = 0; x <= 520; x += GetParam()) QTest::mouseMove(chart(), QPoint(x, 150));
  fwtest::Alt(false);
  ASSERT_EQ(q().ix.size(), 51u);
  EXPECT_EQ(q().ix.back(), 500);
  EXPECT_EQ(q().iy.back(), 50);
  EXPECT_EQ(fw::BeepCount(), beeps);
  Ok();
  EXPECT_EQ(q().Instruction()->Text(), "Verläufe graphisch anzeigen!");
  EXPECT_EQ(q().Phase, 5);
  EXPECT_EQ(q().SigLst()->ListCount(), 51);
}

INSTANTIATE_TEST_SUITE_P(Step, ButtonlessStroke, ::testing::Values(4, 3, 7, 10));

// Asking for the Option key is a round trip to the window system: a move
// over the chart that cannot draw (the start phase) asks nothing, a move
// while the curve can be drawn asks once, with Alt held or not.
class HandCurveKeyQueries : public ShownWindow {
 protected:
  fw::Integer QueriesFor100Moves() {
    const fw::Integer before = fw::Keyboard::OptionKeyQueries();
    for (int n = 0; n < 100; ++n) QTest::mouseMove(q().diagram()->Widget(), QPoint(5 + 4 * n, 100 + n % 7));
    return fw::Keyboard::OptionKeyQueries() - before;
  }
};

TEST_F(HandCurveKeyQueries, OnlyAMoveThatCouldDrawAsksForTheKey) {
  fwtest::KeyboardTo(q().Widget());
  fwtest::Alt(true);
  EXPECT_EQ(q().Phase, 1);
  EXPECT_EQ(QueriesFor100Moves(), 0) << "start phase";
  q().Phase = 3;
  q().friFld()->SetText("Hand");
  q().friFld()->SetVisible(true);
  EXPECT_EQ(QueriesFor100Moves(), 100) << "drawing, Alt held";
  EXPECT_GT(q().ix.size(), 1u);
  fwtest::Alt(false);
  EXPECT_EQ(QueriesFor100Moves(), 100) << "drawing, Alt free";
}

// A drawn point repaints the area of its segment and ring (a pixel to spare
// round it), not the whole chart.
TEST_F(HandCurve, ADrawnPointRepaintsWhatItCovers) {
  struct Region : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(e)->region();
      return false;
    }
  } region;
  Move(9, 100);
  QApplication::processEvents();
  chart().Widget()->installEventFilter(&region);
  Move(19, 120);  // the segment from (10, 100) to (20, 120), the ring from (18, 118) to (22, 122)
  ASSERT_EQ(q().ix.size(), 3u);
  QApplication::processEvents();
  EXPECT_EQ(region.painted, QRegion(QRect(QPoint(9, 99), QPoint(23, 123))));
  const QImage shown = chart().Widget()->grab(QRect(9, 99, 15, 25)).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(shown.pixel(20 - 9, 118 - 99), qRgb(0, 0, 0));        // the ring's top
  EXPECT_EQ(shown.pixel(20 - 9, 120 - 99), qRgb(255, 255, 255));  // its centre
}
