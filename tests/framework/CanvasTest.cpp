// The canvas's persistent surface: what Refresh, Graphics and unrequested
// repaints do with it.
#include <gtest/gtest.h>

#include <QEvent>

#include <QImage>
#include <QPoint>
#include <QTest>

#include "Canvas.h"
#include "Fixture.h"
#include "Graphics.h"

namespace {

using fw::Canvas;
using fw::Color;
using fw::Event;
using fw::EventArgs;

constexpr Color kBlack{0, 0, 0};
constexpr Color kRed{255, 0, 0};
constexpr Color kBlue{0, 0, 255};

// A canvas whose Paint handler fills a 5 x 5 square at the origin in blue and
// counts its runs.
struct PaintedCanvas : ::testing::Test {
  PaintedCanvas() {
    canvas.SetWidth(50);
    canvas.SetHeight(40);
    canvas.AddEventHandler(Event::Paint, [this](fw::Control&, const EventArgs& a) {
      ++paints;
      seenColor = a.g->ForeColor();
      seenSize = a.g->TextSize();
      seenFont = a.g->TextFont();
      a.g->SetForeColor(kBlue);
      a.g->SetTextSize(50);
      a.g->SetTextFont("Mistral");
      a.g->FillRect(0, 0, 5, 5);
      return false;
    });
    // Its first paint, as showing it would run; the tests count from here.
    canvas.PaintNow();
    paints = 0;
  }
  Canvas canvas;
  int paints = 0;
  Color seenColor{1, 2, 3};
  fw::Single seenSize = -1;
  fw::String seenFont;
};

TEST_F(PaintedCanvas, RefreshClearsAndPaintsBeforeItReturns) {
  canvas.Graphics().FillRect(20, 20, 3, 3);
  ASSERT_FALSE(canvas.PixelIsBlank(21, 21));
  canvas.Refresh(true);
  EXPECT_EQ(paints, 1);
  EXPECT_TRUE(canvas.PixelIsBlank(21, 21));  // cleared
  EXPECT_EQ(canvas.PixelAt(2, 2), kBlue);    // painted
  EXPECT_TRUE(canvas.PixelIsBlank(10, 10));  // cleared to transparent
  canvas.Refresh(true);
  EXPECT_EQ(paints, 2);
}

TEST_F(PaintedCanvas, EachPaintGetsAFreshGraphics) {
  canvas.Graphics().SetForeColor(kRed);
  canvas.Graphics().SetTextSize(18);
  canvas.Refresh(true);
  canvas.Refresh(true);
  EXPECT_EQ(seenColor, kBlack);
  EXPECT_EQ(seenSize, 0);
  EXPECT_EQ(seenFont, "System");
}

TEST_F(PaintedCanvas, OutsideGraphicsKeepsItsStateAndTakesNothingFromPaint) {
  fw::Graphics& g = canvas.Graphics();
  EXPECT_EQ(g.ForeColor(), kBlack);
  EXPECT_EQ(g.TextFont(), "System");
  g.SetForeColor(kRed);
  g.SetTextSize(18);
  canvas.Refresh(true);  // the Paint event sets blue, 50, "Mistral" on its own Graphics
  fw::Graphics& again = canvas.Graphics();
  EXPECT_EQ(&again, &g);
  EXPECT_EQ(again.ForeColor(), kRed);
  EXPECT_EQ(again.TextSize(), 18);
  EXPECT_EQ(again.TextFont(), "System");
  again.FillRect(30, 30, 2, 2);
  EXPECT_EQ(canvas.PixelAt(30, 30), kRed);  // at once, on the surface
}

TEST_F(PaintedCanvas, RefreshWithoutEraseRepaintsOverThePicture) {
  canvas.Graphics().FillRect(20, 20, 3, 3);
  canvas.Refresh(false);
  EXPECT_EQ(paints, 1);
  EXPECT_FALSE(canvas.PixelIsBlank(21, 21));
  EXPECT_EQ(canvas.PixelAt(2, 2), kBlue);
}

TEST_F(PaintedCanvas, NestedRefreshFromPaintDoesNotRecurse) {
  canvas.AddEventHandler(Event::Paint, [this](fw::Control&, const EventArgs&) {
    canvas.Refresh(true);
    return false;
  });
  canvas.Refresh(true);
  EXPECT_EQ(paints, 1);
}

TEST(CanvasSurface, SizeChangesTakeEffectInsidePaint) {
  // A block that sets its own width while it paints and draws over the new
  // width in the same paint.
  Canvas block;
  block.SetWidth(20);
  block.SetHeight(10);
  block.AddEventHandler(Event::Paint, [](fw::Control& c, const EventArgs& a) {
    c.SetHeight(60);
    c.SetWidth(300);
    a.g->FillRect(0, 0, c.Width(), c.Height());
    a.g->SetForeColor(kRed);
    a.g->DrawRect(0, 0, a.g->Width(), a.g->Height());
    return false;
  });
  block.Refresh(true);
  EXPECT_EQ(block.Width(), 300);
  EXPECT_EQ(block.Height(), 60);
  EXPECT_EQ(block.PixelAt(150, 30), kBlack);
  EXPECT_EQ(block.PixelAt(299, 59), kRed);
  EXPECT_EQ(block.PixelAt(299, 30), kRed);
  EXPECT_GE(block.Surface().width(), 300);
}

TEST(CanvasSurface, GrowsKeepingItsPictureAndDropsWhatFallsOutside) {
  Canvas c;
  c.SetWidth(30);
  c.SetHeight(30);
  fw::Graphics& g = c.Graphics();
  g.FillRect(5, 5, 2, 2);
  g.FillRect(25, 25, 2, 2);
  c.SetWidth(100);
  EXPECT_FALSE(c.PixelIsBlank(5, 5));
  g.FillRect(90, 10, 2, 2);  // the same Graphics covers the grown canvas
  EXPECT_FALSE(c.PixelIsBlank(91, 11));
  c.SetHeight(20);  // (25, 25) lies outside now and is gone
  c.SetHeight(30);
  EXPECT_TRUE(c.PixelIsBlank(25, 25));
  EXPECT_FALSE(c.PixelIsBlank(5, 5));
}

TEST(CanvasSurface, SizesAreClampedAndTheSurfaceBounded) {
  Canvas c;
  c.SetWidth(-5);
  c.SetHeight(-1);
  EXPECT_EQ(c.Width(), 0);
  EXPECT_EQ(c.Height(), 0);
  c.Graphics().FillRect(0, 0, 10, 10);  // nothing to draw on, nothing happens
  EXPECT_TRUE(c.PixelIsBlank(0, 0));
  c.SetWidth(2147483647);
  c.SetHeight(2147483647);
  EXPECT_EQ(c.Width(), 32000);
  EXPECT_EQ(c.Height(), 32000);
  EXPECT_LE(qint64{c.Surface().width()} * c.Surface().height(), qint64{16} * 1024 * 1024);
  c.Refresh(true);
  c.Graphics().FillRect(0, 0, 32000, 32000);
  EXPECT_FALSE(c.PixelIsBlank(0, 0));
  EXPECT_TRUE(c.PixelIsBlank(-1, 0));
  EXPECT_TRUE(c.PixelIsBlank(40000, 40000));
  EXPECT_EQ(c.PixelAt(-1, -1), kBlack);
}

// On the screen: first showing paints once, later repaints only show the
// surface, and transparent canvases let their parent through.
struct ShownCanvas : ::testing::Test {
  ShownCanvas() {
    win.layout = [](fwtest::HookWindow& w) {
      w.SetProperty("Width", 200);
      w.SetProperty("Height", 150);
      w.SetProperty("HasBackColor", true);
      w.SetProperty("BackColor", Color{0, 255, 0});
    };
    win.create = [this](fwtest::HookWindow& w) {
      canvas = &w.Add<Canvas>("panel", fw::Control::kNoIndex, fwtest::Place(10, 20, 100, 80));
      canvas->AddEventHandler(Event::Paint, [this](fw::Control&, const EventArgs& a) {
        ++paints;
        a.g->SetForeColor(kBlue);
        a.g->FillRect(0, 0, 10, 10);
        return false;
      });
    };
  }
  fwtest::HookWindow win;
  Canvas* canvas = nullptr;
  int paints = 0;
};

TEST_F(ShownCanvas, FirstShowPaintsLaterRepaintsShowTheSurface) {
  fwtest::ShowAndWait(win);
  QImage shot = fwtest::Grab(win);
  EXPECT_GE(paints, 1);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(QColor(shot.pixel(15, 25)), QColor(0, 0, 255));
  // Drawn outside Paint: visible after an unrequested repaint, which does not
  // run the Paint event.
  canvas->Graphics().SetForeColor(kRed);
  canvas->Graphics().FillRect(50, 50, 10, 10);
  canvas->Widget()->repaint();
  shot = fwtest::Grab(win);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(QColor(shot.pixel(65, 75)), QColor(255, 0, 0));
  // Transparent where nothing was drawn: the window's background.
  EXPECT_EQ(QColor(shot.pixel(40, 40)), QColor(0, 255, 0));
  // A requested repaint erases the outside drawing.
  canvas->Refresh(true);
  QApplication::processEvents();
  shot = fwtest::Grab(win);
  EXPECT_EQ(paints, 2);
  EXPECT_EQ(QColor(shot.pixel(65, 75)), QColor(0, 255, 0));
}

// A canvas filled all over paints every pixel of its own, so the window is
// not painted beneath it; once it is cleared, or grows, the window shows
// through again where nothing is drawn. What the screen holds is checked, not
// a fresh rendering of the widgets: an area that a repaint skips keeps what
// it showed before.
TEST_F(ShownCanvas, TheWindowShowsThroughWhereAFilledCanvasNoLongerCovers) {
  bool fillAll = true;
  Canvas* cover = nullptr;
  win.create = [&, inner = win.create](fwtest::HookWindow& w) {
    inner(w);
    canvas->AddEventHandler(Event::Paint, [&](fw::Control& me, const EventArgs& a) {
      a.g->SetForeColor(Color{255, 255, 255});
      if (fillAll) a.g->FillRect(0, 0, me.Width(), me.Height());
      return false;
    });
    // Over the canvas's right-hand neighbour, to be hidden once the canvas
    // has grown beneath it.
    cover = &w.Add<Canvas>("cover", fw::Control::kNoIndex, fwtest::Place(110, 20, 40, 80));
    cover->AddEventHandler(Event::Paint, [](fw::Control& me, const EventArgs& a) {
      a.g->SetForeColor(kRed);
      a.g->FillRect(0, 0, me.Width(), me.Height());
      return false;
    });
  };
  const QColor white(255, 255, 255), green(0, 255, 0), red(255, 0, 0);
  ASSERT_TRUE(fwtest::ShowAndWait(win));
  canvas->Refresh(true);  // filled all over from now on
  QApplication::processEvents();
  EXPECT_EQ(QColor(fwtest::Screen(win).pixel(60, 60)), white);
  ASSERT_TRUE(canvas->Widget()->testAttribute(Qt::WA_OpaquePaintEvent)) << "the window is still painted beneath";

  fillAll = false;
  canvas->Refresh(true);
  QApplication::processEvents();
  QImage screen = fwtest::Screen(win);
  EXPECT_EQ(QColor(screen.pixel(15, 25)), QColor(0, 0, 255));
  EXPECT_EQ(QColor(screen.pixel(60, 60)), green) << "the cleared canvas still shows its old picture";

  fillAll = true;
  canvas->Refresh(true);
  canvas->SetWidth(130);  // beneath the cover; its new columns are clear
  QApplication::processEvents();
  EXPECT_EQ(QColor(fwtest::Screen(win).pixel(120, 60)), red);
  cover->SetVisible(false);
  QApplication::processEvents();
  screen = fwtest::Screen(win);
  EXPECT_EQ(QColor(screen.pixel(60, 60)), white);
  EXPECT_EQ(QColor(screen.pixel(120, 60)), green) << "the grown canvas shows what covered it";
}

// Counts the paint events the toolkit delivers to a widget.
struct PaintEventCounter : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
};

TEST_F(ShownCanvas, DrawingOutsidePaintReachesTheScreenByItself) {
  fwtest::ShowAndWait(win);
  PaintEventCounter counter;
  canvas->Widget()->installEventFilter(&counter);
  QTest::qWait(50);  // whatever the showing still had to paint
  counter.count = 0;
  canvas->Graphics().SetForeColor(kRed);
  canvas->Graphics().DrawLine(30, 40, 60, 40);
  QApplication::processEvents();  // no repaint asked for: the stroke shows all the same
  EXPECT_GE(counter.count, 1);
  EXPECT_EQ(paints, 1);  // shown from the surface, without running Paint again
  EXPECT_EQ(QColor(fwtest::Grab(win).pixel(55, 60)), QColor(255, 0, 0));
}

TEST_F(ShownCanvas, DrawingBeforeTheFirstShowStaysOnTopOfThePaint) {
  win.Open();
  canvas->Graphics().SetForeColor(kRed);
  canvas->Graphics().FillRect(2, 2, 4, 4);  // over the painted blue square
  EXPECT_EQ(paints, 1);
  fwtest::ShowAndWait(win);
  const QImage shot = fwtest::Grab(win);
  EXPECT_EQ(paints, 1);
  EXPECT_EQ(QColor(shot.pixel(13, 23)), QColor(255, 0, 0));
  EXPECT_EQ(QColor(shot.pixel(18, 28)), QColor(0, 0, 255));
}

TEST_F(ShownCanvas, MouseEventsGiveCanvasCoordinates) {
  std::vector<std::pair<int, int>> downs, moves;
  win.create = [&, inner = win.create](fwtest::HookWindow& w) {
    inner(w);
    canvas->AddEventHandler(Event::MouseDown, [&](fw::Control&, const EventArgs& a) {
      downs.emplace_back(a.x, a.y);
      return true;
    });
    canvas->AddEventHandler(Event::MouseMove, [&](fw::Control&, const EventArgs& a) {
      moves.emplace_back(a.x, a.y);
      return false;
    });
  };
  fwtest::ShowAndWait(win);
  QTest::mouseClick(canvas->Widget(), Qt::LeftButton, {}, QPoint(7, 9));
  QTest::mouseMove(canvas->Widget(), QPoint(30, 40));
  ASSERT_EQ(downs.size(), 1u);
  EXPECT_EQ(downs[0], std::make_pair(7, 9));
  ASSERT_FALSE(moves.empty());
  EXPECT_EQ(moves.back(), std::make_pair(30, 40));
}

// The pointer, without a button, reported last on the canvas and next beyond
// it: the canvas reports one more move, where the way between the two crossed
// its edge, on its outermost column or row.
TEST_F(ShownCanvas, LeavingReportsOneLastMoveWhereThePointerCrossedTheEdge) {
  using Point = std::pair<int, int>;
  std::vector<Point> moves;
  win.create = [&, inner = win.create](fwtest::HookWindow& w) {
    inner(w);
    canvas->AddEventHandler(Event::MouseMove, [&](fw::Control&, const EventArgs& a) {
      moves.emplace_back(a.x, a.y);
      return false;
    });
  };
  fwtest::ShowAndWait(win);
  struct Case {
    Point inside, beyond, exit;  // canvas 100 x 80 at x 10 of a 200-pixel window
  };
  for (const Case& c :
       {Case{{96, 40}, {104, 40}, {99, 40}}, Case{{90, 40}, {110, 60}, {99, 49}}, Case{{96, 40}, {200, 40}, {99, 40}},
        Case{{5, 40}, {-5, 40}, {0, 40}}, Case{{50, 3}, {50, -10}, {50, 0}}, Case{{50, 75}, {60, 85}, {54, 79}}}) {
    QTest::mouseMove(canvas->Widget(), QPoint(c.inside.first, c.inside.second));
    ASSERT_FALSE(moves.empty());
    ASSERT_EQ(moves.back(), c.inside);
    moves.clear();
    QTest::mouseMove(canvas->Widget(), QPoint(c.beyond.first, c.beyond.second));
    EXPECT_EQ(moves, std::vector<Point>{c.exit}) << c.beyond.first << "," << c.beyond.second;
  }
}

// With the focus, a canvas that asks for the focus ring shows it along its
// edge, on the screen only; one that does not ask shows none.
TEST_F(ShownCanvas, TheFocusRingShowsOnTheScreenAlongTheEdgeWhereAskedFor) {
  Canvas* block = nullptr;
  win.create = [&, inner = win.create](fwtest::HookWindow& w) {
    inner(w);
    canvas->SetProperty("AcceptFocus", true);
    canvas->SetProperty("UseFocusRing", true);
    block = &w.Add<Canvas>(
        "block", fw::Control::kNoIndex,
        {{"Left", 120}, {"Top", 20}, {"Width", 60}, {"Height", 60}, {"AcceptFocus", true}, {"UseFocusRing", false}});
    block->AddEventHandler(Event::Paint, [](fw::Control& me, const EventArgs& a) {
      a.g->SetForeColor(kRed);
      a.g->FillRect(0, 0, me.Width(), me.Height());
      return false;
    });
  };
  fwtest::ShowAndWait(win);
  win.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(win.Widget()));
  block->Widget()->setFocus(Qt::TabFocusReason);
  QApplication::processEvents();
  const QImage without = fwtest::Grab(win);
  const QImage surface = canvas->Surface().copy();

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), canvas->Widget());
  QApplication::processEvents();
  const QImage with = fwtest::Grab(win);
  // The ring: changed pixels all round the panel (10, 20, 100 x 80), none
  // more than three pixels inside its edge and none outside it.
  const QRect panel(10, 20, 100, 80);
  int ring = 0, elsewhere = 0;
  for (int y = 0; y < with.height(); ++y)
    for (int x = 0; x < with.width(); ++x) {
      if (with.pixel(x, y) == without.pixel(x, y)) continue;
      const bool band = panel.contains(x, y) && !panel.adjusted(3, 3, -3, -3).contains(x, y);
      (band ? ring : elsewhere) += 1;
    }
  EXPECT_GE(ring, 2 * (100 + 80)) << "no ring around the panel";
  EXPECT_EQ(elsewhere, 0);
  for (const QPoint p : {QPoint(60, 20), QPoint(60, 99), QPoint(10, 60), QPoint(109, 60)})
    EXPECT_NE(with.pixel(p), without.pixel(p)) << p.x() << "," << p.y();
  EXPECT_EQ(canvas->Surface(), surface) << "the ring was drawn onto the surface";

  // On to the block, which asks for no ring: the panel's ring goes, none comes.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), block->Widget());
  QApplication::processEvents();
  EXPECT_EQ(fwtest::Grab(win), without);
}

}  // namespace
