// The signal chart and the value table as the user sees them in each state
// of a run. Every chart state is compared pixel for pixel with a picture
// drawn here with a bare QPainter from the chart's own figures:
//   paper: white 500 x 400, grid grey (200, 200, 200) on the rows
//     yZero + i * a / 2 and the columns Round(u * 5000 / shown steps), black
//     frame on the outermost pixels, red "B" (Mistral, 50 px) at (10, 40);
//   zero line: black across the chart on row yZero;
//   curve k of the pressed toggles, in signal order: colour k Mod 4 of black,
//     dark red (180, 0, 0), dark green (0, 180, 0), dark blue (0, 0, 180);
//     its toggle's caption (24 px) at (W - 30, H + 18 - 28 k); the segments
//     from (Round(p t), Round(yZero - a s(i, t))) for t = 0 .. T, p = W / T;
//     after each segment a white ring of radius r outlined in the colour over
//     its start point, in the square of side 2r + 1; r = 4 below 25 steps,
//     else Round(100 / T), none when r <= 1;
//   hand-drawn point: a segment from the point before in the chart's last
//     colour, then a black ring of radius 2 round the new point.
// Lines take both their end points; text is smoothed, nothing else is.
#include <QHeaderView>
#include <QPainter>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <string>
#include <vector>

#include "AltKey.h"
#include "Fixture.h"
#include "ReferencePictures.h"
#include "SamePicture.h"
#include "WindowFixture.h"

namespace {

constexpr int kW = 500, kH = 400;

// The chart as its figures say it must look, drawn step by step as the
// program draws it, in the surface's format.
class ChartPicture {
 public:
  explicit ChartPicture(QImage::Format format) : picture_(kW, kH, 1, format) {}

  // The paint event's picture: paper, grid, frame and area letter.
  void Paper(int yZero, double scale, double shownSteps) {
    picture_.Rect(0, 0, kW, kH, kWhite);
    const double half = scale / 2;
    for (int i = static_cast<int>(std::floor(-2.0 * yZero / scale)); i <= std::ceil(2.0 * (kH - yZero) / scale); ++i)
      picture_.Rect(0, static_cast<int>(yZero + i * half), kW, 1, kGrid);
    for (int u = 1; u <= std::floor(shownSteps / 10); ++u)
      picture_.Rect(static_cast<int>(std::lround(u * 5000 / shownSteps)), 0, 1, kH, kGrid);
    picture_.Outline(0, 0, kW, kH, kBlack);
    picture_.Text("B", "Mistral", 50, 10, 40, kRed);
  }
  void ZeroLine(int yZero) {
    colour_ = kBlack;
    picture_.Line(0, yZero, kW, yZero, colour_);
  }
  // Curve k (from 1) of signal i at T shown steps.
  void Curve(int k, const char* caption, const Q& q, int i, int T, double scale) {
    const fw::Color colours[4] = {kBlack, kDarkRed, kDarkGreen, kDarkBlue};
    colour_ = colours[k % 4];
    picture_.Text(caption, "System", 24, kW - 30, kH + 18 - 28 * k, colour_);
    const float p = static_cast<float>(static_cast<double>(kW) / T);
    const float a = static_cast<float>(scale);
    const int r = T < 25 ? 4 : static_cast<int>(std::lround(100.0 / T));
    auto x = [&](int t) { return static_cast<int>(std::lround(static_cast<double>(p) * t)); };
    auto y = [&](int t) {
      const float av = a * q.s.Get(i, t);
      return static_cast<int>(std::lround(q.yZero - static_cast<double>(av)));
    };
    for (int t = 1; t <= T; ++t) {
      picture_.Line(x(t - 1), y(t - 1), x(t), y(t), colour_);
      if (r > 1) Ring(x(t - 1), y(t - 1), r, colour_);
    }
  }
  // A hand-drawn point taken after the point (x0, y0).
  void HandPoint(int x0, int y0, int x1, int y1) {
    picture_.Line(x0, y0, x1, y1, colour_);
    Ring(x1, y1, 2, kBlack);
    colour_ = kBlack;
  }

  const QImage& Image() { return picture_.Image(); }

 private:
  // A white ring of radius r outlined in a colour, in the square of side
  // 2r + 1 round (x, y).
  void Ring(int x, int y, int r, fw::Color outline) {
    picture_.Oval(x - r, y - r, 2 * r + 1, 2 * r + 1, kWhite, true);
    picture_.Oval(x - r, y - r, 2 * r + 1, 2 * r + 1, outline, false);
  }

  reference::Picture picture_;
  fw::Color colour_ = kBlack;
};

// Whether the chart shows the picture, pixel for pixel.
::testing::AssertionResult Shows(const fw::Canvas& chart, ChartPicture& picture) {
  return fwtest::SamePicture(chart.Surface().convertToFormat(QImage::Format_ARGB32),
                             picture.Image().convertToFormat(QImage::Format_ARGB32));
}
::testing::AssertionResult Shows(const fw::Canvas& chart, ChartPicture&& picture) { return Shows(chart, picture); }

class ChartPictures : public ShownWindow {
 protected:
  ChartPicture Picture() { return ChartPicture(q().diagram()->Surface().format()); }
  // The paper, zero line and pressed curves at T shown steps.
  ChartPicture Redrawn(int T, double scale = 100) {
    ChartPicture want = Picture();
    want.Paper(q().yZero, scale, T);
    want.ZeroLine(q().yZero);
    int k = 0;
    for (int i = 1; i <= 4; ++i)
      if (q().BBtn(i)->Value()) want.Curve(++k, q().BBtn(i)->Caption().c_str(), q(), i, T, scale);
    return want;
  }
  void SlideTime(int v) { q().SlidX()->SetValue(v); }
  fw::Canvas& chart() { return *q().diagram(); }
};

}  // namespace

TEST_F(ChartPictures, OpenedWindowShowsPaperAndZeroLine) {
  ChartPicture want = Picture();
  want.Paper(200, 100, 10);
  want.ZeroLine(200);
  EXPECT_TRUE(Shows(chart(), want));
}

// The results at 10, 50, 500 and 68 shown steps with x, y and w pressed; then
// x released, so y and w move down to the first and second colour and place;
// then the zero line moved up and a y scale that takes the curves off the
// chart.
TEST_F(ChartPictures, ResultsAtEachZoomWithTheirRingsColoursAndLegend) {
  ToResults();
  ChartPicture afterRun = Picture();  // the results step draws over the chart
  afterRun.Paper(200, 100, 10);
  afterRun.ZeroLine(200);
  EXPECT_TRUE(Shows(chart(), afterRun));

  for (int i : {1, 2, 4}) Click(q().BBtn(i));
  EXPECT_TRUE(Shows(chart(), Redrawn(10))) << "10 steps, rings of radius 4";
  SlideTime(100);
  EXPECT_TRUE(Shows(chart(), Redrawn(50))) << "50 steps, rings of radius 2";
  SlideTime(10);
  EXPECT_TRUE(Shows(chart(), Redrawn(500))) << "500 steps, no rings";
  SlideTime(73);  // 68.49 steps
  EXPECT_TRUE(Shows(chart(), Redrawn(68))) << "68 steps, rings of radius 1 are left out";
  SlideTime(500);
  Click(q().BBtn(1));
  EXPECT_TRUE(Shows(chart(), Redrawn(10))) << "y and w alone";
  // The zero line moved up: grid and curves follow it.
  q().SlidY()->SetValue(300);
  ASSERT_EQ(q().yZero, 100);
  EXPECT_TRUE(Shows(chart(), Redrawn(10))) << "zero line on row 100";
  // A larger scale: the curves leave the chart at its top and bottom.
  q().yFld()->SetText("");
  QTest::keyClicks(q().yFld()->Widget(), "400");
  EXPECT_TRUE(Shows(chart(), Redrawn(10, 400))) << "y scale 400";
}

// Restart releases every toggle and clears the chart down to its paper.
TEST_F(ChartPictures, RestartReleasesAllFourTogglesAndClearsTheChart) {
  ToResults();
  for (int i = 1; i <= 4; ++i) Click(q().BBtn(i));
  for (int i = 1; i <= 4; ++i) ASSERT_TRUE(q().BBtn(i)->Value()) << i;
  Click(q().RestartBtn());
  for (int i = 1; i <= 4; ++i) EXPECT_FALSE(q().BBtn(i)->Value()) << i;
  ChartPicture want = Picture();
  want.Paper(200, 100, 10);
  EXPECT_TRUE(Shows(chart(), want));
}

// A curve drawn by hand: its segments and rings lie over the chart; reading a
// complete curve repaints the chart, reading any other input leaves it.
TEST_F(ChartPictures, HandDrawnCurveShowsUntilTheCurveIsRead) {
  ToReferencePhase();  // z zero: read without a repaint, the zero line stays
  ChartPicture want = Picture();
  want.Paper(200, 100, 10);
  want.ZeroLine(200);
  EXPECT_TRUE(Shows(chart(), want)) << "after z";

  ChooseHand();
  QWidget* canvas = chart().Widget();
  fwtest::KeyboardTo(q().Widget());
  fwtest::Alt(true);
  // Time slider to 100 at the first move: 50 steps, drawn over the chart
  // without a new grid.
  want.ZeroLine(200);
  int lastX = 0, lastY = 200;
  for (int n = 1; n <= 50; ++n) {
    const int row = 200 - (n * 37) % 150 + 40;
    QTest::mouseMove(canvas, QPoint(10 * n - 1, row));
    want.HandPoint(lastX, lastY, 10 * n, row);
    lastX = 10 * n;
    lastY = row;
  }
  fwtest::Alt(false);
  ASSERT_EQ(q().ix.size(), 51u);
  EXPECT_TRUE(Shows(chart(), want)) << "the drawn curve";

  Ok();  // the curve is read: the chart is repainted, the strokes go
  ASSERT_EQ(q().Phase, 5) << q().Instruction()->Text();
  ChartPicture read = Picture();
  read.Paper(200, 100, 50);
  read.ZeroLine(200);
  EXPECT_TRUE(Shows(chart(), read)) << "after w";
}

namespace {

// The ink of a part of a picture: its non-white pixels, cut to their
// bounding box; a null image where there is none.
QImage Ink(const QImage& picture, const QRect& area) {
  QRect box;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if ((picture.pixel(x, y) & 0xffffff) != 0xffffff) box |= QRect(x, y, 1, 1);
  return box.isEmpty() ? QImage() : picture.copy(box).convertToFormat(QImage::Format_RGB32);
}

// A text in the list's font, whole, black on white, as its ink.
QImage InkOfText(const QString& text, const QFont& font) {
  QImage page(400, 100, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter p(&page);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPoint(20, 70), text);
  }
  return Ink(page, page.rect());
}

}  // namespace

// The value table of a run whose values grow past what the columns hold, as
// the window shows it: every visible cell shows its text whole, a number too
// wide for its column rounded to the digits that fit, the columns parted by
// vertical lines and the rows by none.
TEST_F(ChartPictures, ValueTableAsTheWindowShowsIt) {
  ToResults(kUnstableLoop);
  fw::Listbox& table = *q().SigLst();
  ASSERT_EQ(table.ListCount(), 501);
  QApplication::processEvents();
  const QImage window = fwtest::Grab(q());

  // The chart shows its surface.
  const QPoint chartAt = chart().Widget()->mapTo(q().ContentArea(), QPoint(0, 0));
  EXPECT_EQ(window.copy(QRect(chartAt, QSize(kW, kH))), chart().Surface().convertToFormat(QImage::Format_RGB32));

  auto* view = static_cast<QTableView*>(table.Widget());
  const QPoint origin = view->viewport()->mapTo(q().ContentArea(), QPoint(0, 0));
  std::vector<std::vector<std::string>> shown;
  for (int row = 0; row < table.ListCount(); ++row) {
    const QRect first = view->visualRect(view->model()->index(row, 0));
    if (first.bottom() >= view->viewport()->height()) break;
    std::vector<std::string> cells;
    for (int c = 0; c < 5; ++c) {
      const QRect cell = view->visualRect(view->model()->index(row, c)).translated(origin);
      const QString text = QString::fromStdString(table.ShownText(row, c));
      cells.push_back(text.trimmed().toStdString());
      // Whole: the same ink as the text drawn alone, nothing cut off, no
      // line along the cell's foot.
      EXPECT_EQ(Ink(window, cell.adjusted(0, 0, -1, 0)), InkOfText(text, view->font()))
          << "row " << row << " column " << c << ": " << text.toStdString();
      // The line at the cell's right edge.
      for (int y = cell.top(); y <= cell.bottom(); ++y)
        ASSERT_EQ(window.pixel(cell.right(), y), qRgb(192, 192, 192)) << "row " << row << " column " << c;
    }
    shown.push_back(cells);
  }
  // The texts are the step and " " + Format(v, "-###.00"); from row 5 on
  // some are wider than the 86-pixel columns: without their blank, then
  // rounded (3230790.75 to 3230790.8, 273454208 to 2.73454e8).
  const std::vector<std::vector<std::string>> want = {
      {"0", "0.00", "0.00", "0.00", "0.00"},
      {"1", "0.00", "-50.00", "0.00", "1.00"},
      {"2", "10.00", "450.00", "0.00", "1.00"},
      {"3", "-82.00", "-4150.00", "0.00", "1.00"},
      {"4", "764.40", "38170.00", "0.00", "1.00"},
      {"5", "-7022.48", "-351174.00", "0.00", "1.00"},
      {"6", "64616.82", "3230790.8", "0.00", "1.00"},
      {"7", "-594464.7", "-29723284", "0.00", "1.00"},
      {"8", "5469085", "2.73454e8", "0.00", "1.00"},
      {"9", "-50315572", "-2.5158e9", "0.00", "1.00"},
      {"10", "4.62903e8", "2.3145e10", "0.00", "1.00"},
      {"11", "-4.2587e9", "-2.1294e11", "0.00", "1.00"},
      {"12", "3.918e10", "1.959e12", "0.00", "1.00"},
      {"13", "-3.6046e11", "-1.802e13", "0.00", "1.00"},
      {"14", "3.3162e12", "1.6581e14", "0.00", "1.00"},
      {"15", "-3.051e13", "-1.525e15", "0.00", "1.00"},
  };
  EXPECT_EQ(shown, want);
}
