// Pixel-exact drawing on a canvas's surface.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>

#include <random>
#include <vector>

#include "Canvas.h"
#include "Graphics.h"
#include "RandomPaths.h"
#include "System.h"

namespace {

using fw::Canvas;
using fw::Color;
using fw::RGB;

constexpr Color kRed{255, 0, 0};

class GraphicsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    canvas.SetWidth(40);
    canvas.SetHeight(30);
  }
  fw::Graphics& g() { return canvas.Graphics(); }
  bool Drawn(int x, int y) const { return !canvas.PixelIsBlank(x, y); }
  int CountDrawn() const {
    int n = 0;
    for (int y = 0; y < canvas.Surface().height(); ++y)
      for (int x = 0; x < canvas.Surface().width(); ++x) n += Drawn(x, y) ? 1 : 0;
    return n;
  }
  Canvas canvas;
};

TEST_F(GraphicsTest, RectOutlineLiesInsideItsArea) {
  g().SetForeColor(kRed);
  g().DrawRect(0, 0, 10, 10);
  EXPECT_TRUE(Drawn(0, 0));
  EXPECT_TRUE(Drawn(9, 0));
  EXPECT_TRUE(Drawn(0, 9));
  EXPECT_TRUE(Drawn(9, 9));
  EXPECT_TRUE(Drawn(9, 5));
  EXPECT_FALSE(Drawn(10, 0));
  EXPECT_FALSE(Drawn(0, 10));
  EXPECT_FALSE(Drawn(10, 10));
  EXPECT_FALSE(Drawn(5, 5));
  EXPECT_EQ(CountDrawn(), 36);
  EXPECT_EQ(canvas.PixelAt(9, 9), kRed);
}

TEST_F(GraphicsTest, FillRectCoversExactlyItsArea) {
  g().FillRect(2, 3, 4, 5);
  EXPECT_EQ(CountDrawn(), 20);
  EXPECT_TRUE(Drawn(2, 3));
  EXPECT_TRUE(Drawn(5, 7));
  EXPECT_FALSE(Drawn(6, 7));
  EXPECT_FALSE(Drawn(5, 8));
  EXPECT_EQ(canvas.PixelAt(4, 4), (Color{0, 0, 0}));  // a new Graphics draws black
}

TEST_F(GraphicsTest, LinesAreOnePixelAliasedWithBothEnds) {
  g().DrawLine(2, 5, 12, 5);
  EXPECT_EQ(CountDrawn(), 11);
  EXPECT_TRUE(Drawn(2, 5));
  EXPECT_TRUE(Drawn(12, 5));
  EXPECT_FALSE(Drawn(12, 4));
  EXPECT_FALSE(Drawn(12, 6));

  Canvas c2;
  c2.SetWidth(40);
  c2.SetHeight(40);
  c2.Graphics().DrawLine(12, 19, 40, 1);  // diagonal, running up to the right
  EXPECT_FALSE(c2.PixelIsBlank(12, 19));
  c2.Graphics().DrawLine(7, 7, 7, 7);  // zero length: one pixel
  EXPECT_FALSE(c2.PixelIsBlank(7, 7));
  // Aliased: every drawn pixel is fully opaque.
  const QImage& s = c2.Surface();
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      const int a = qAlpha(s.pixel(x, y));
      EXPECT_TRUE(a == 0 || a == 255) << x << "," << y;
    }
}

// A line drawn by one bare painter, both ends included (a line that the
// canvas cuts gets its ends as points): the pixels the lines are held to.
void ReferenceLine(QImage& image, QPoint a, QPoint b) {
  QPainter p(&image);
  p.setClipRect(image.rect());
  QPen pen(Qt::black);
  pen.setWidth(1);
  pen.setCapStyle(Qt::SquareCap);
  p.setPen(pen);
  if (a != b) p.drawLine(a, b);
  if (a == b || !image.rect().contains(a) || !image.rect().contains(b)) {
    p.drawPoint(a);
    p.drawPoint(b);
  }
}

// Lines are drawn the fast way where that gives the same pixels (level and
// upright ones as rectangles, a run of them as one polyline); one by one on
// a bare painter they must come out the same: level, upright, steep, flat
// and zero-length segments, on the canvas and across its edges.
TEST(GraphicsLines, FastLinesAndPolylinesGiveTheBarePainterPixels) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    const std::vector<fw::Integer> xy = fwtest::RandomPath(random, round % 3 == 0, 60, 45);
    QImage expected(60, 45, QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    Canvas polyline, lines;
    for (Canvas* c : {&polyline, &lines}) {
      c->SetWidth(60);
      c->SetHeight(45);
    }
    polyline.Graphics().DrawPolyline(xy);
    const std::size_t points = xy.size() / 2;
    for (std::size_t i = points == 1 ? 0 : 1; i < points; ++i) {
      const std::size_t from = i == 0 ? 0 : 2 * i - 2;
      lines.Graphics().DrawLine(xy[from], xy[from + 1], xy[2 * i], xy[2 * i + 1]);
      ReferenceLine(expected, QPoint(xy[from], xy[from + 1]), QPoint(xy[2 * i], xy[2 * i + 1]));
    }
    for (int y = 0; y < 45; ++y)
      for (int x = 0; x < 60; ++x) {
        ASSERT_EQ(polyline.Surface().pixel(x, y), expected.pixel(x, y))
            << "polyline, round " << round << " at " << x << "," << y;
        ASSERT_EQ(lines.Surface().pixel(x, y), expected.pixel(x, y))
            << "lines, round " << round << " at " << x << "," << y;
      }
  }
}

TEST_F(GraphicsTest, OvalsStayInsideTheirArea) {
  g().DrawOval(0, 0, 11, 11);
  Canvas filled;
  filled.SetWidth(20);
  filled.SetHeight(20);
  filled.Graphics().FillOval(2, 2, 9, 9);  // a 9 x 9 ring marker, filled
  const struct {
    bool fill;  // the filled oval at (2, 2), else the outline at (0, 0), both inside their squares
    int x, y;
    bool drawn;
  } cases[] = {
      {false, 5, 0, true},  {false, 0, 5, true},   {false, 10, 5, true},  {false, 5, 10, true}, {false, 5, 5, false},
      {false, 0, 0, false}, {false, 11, 5, false}, {false, 5, 11, false}, {true, 6, 6, true},   {true, 6, 2, true},
      {true, 10, 6, true},  {true, 11, 6, false},  {true, 2, 2, false},
  };
  for (const auto& c : cases) {
    const bool drawn = c.fill ? !filled.PixelIsBlank(c.x, c.y) : Drawn(c.x, c.y);
    EXPECT_EQ(drawn, c.drawn) << (c.fill ? "filled" : "outline") << " at " << c.x << "," << c.y;
  }
}

TEST_F(GraphicsTest, FillPolygonFillsIncludingItsEdges) {
  // Element 0 carries no point.
  g().SetForeColor(kRed);
  g().FillPolygon({99, 5, 5, 15, 5, 15, 15, 5, 15});
  for (int y = 5; y <= 15; ++y)
    for (int x = 5; x <= 15; ++x) EXPECT_TRUE(Drawn(x, y)) << x << "," << y;
  EXPECT_FALSE(Drawn(4, 10));
  EXPECT_FALSE(Drawn(16, 10));
  EXPECT_FALSE(Drawn(10, 16));
  EXPECT_EQ(CountDrawn(), 121);
  EXPECT_EQ(canvas.PixelAt(10, 10), kRed);
}

TEST_F(GraphicsTest, JunctionPolygonIsFilledSolid) {
  // The filled quarter of a summing junction.
  g().FillPolygon({0, 26, 85 - 60, 41, 70 - 60, 31, 65 - 60, 21, 65 - 60, 11, 70 - 60});
  EXPECT_TRUE(Drawn(26, 25));  // the centre vertex
  EXPECT_TRUE(Drawn(41, 10) || canvas.Width() <= 41);
  EXPECT_TRUE(Drawn(31, 5));
  EXPECT_TRUE(Drawn(21, 5));
  EXPECT_TRUE(Drawn(11, 10));
  EXPECT_TRUE(Drawn(26, 10));
  EXPECT_FALSE(Drawn(26, 4));
}

TEST_F(GraphicsTest, DegenerateInputsDrawNothingOrStayDefined) {
  g().DrawRect(5, 5, -3, 10);
  g().FillRect(5, 5, 10, -1);
  g().DrawOval(5, 5, 0, 0);
  g().FillOval(5, 5, -7, 4);
  g().FillPolygon({});
  g().FillPolygon({0});
  EXPECT_EQ(CountDrawn(), 0);
  // A last element without its partner is left out: one point.
  g().FillPolygon({0, 3, 4, 99});
  EXPECT_EQ(CountDrawn(), 1);
  EXPECT_TRUE(Drawn(3, 4));
  // Far outside and huge: clipped, never a crash.
  g().DrawLine(-2147483647 - 1, 0, 2147483647, 0);
  g().FillRect(-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647);
  g().FillOval(2147483647, 2147483647, 2147483647, 2147483647);
  g().FillPolygon({0, 2147483647, 2147483647, -2147483647 - 1, 3, 5, -2147483647 - 1});
  g().DrawString("x", 2147483647, -2147483647 - 1);
  g().SetTextSize(1e30f);
  g().DrawString("big", 0, 20);
  EXPECT_GT(g().StringWidth("big"), 0);
  EXPECT_TRUE(Drawn(20, 20));  // the huge FillRect covered the canvas
}

TEST_F(GraphicsTest, DrawingIsClippedToTheCanvas) {
  g().FillRect(0, 0, 1000, 1000);
  EXPECT_EQ(CountDrawn(), 40 * 30);
}

TEST_F(GraphicsTest, StringBaselineIsAtY) {
  g().SetTextSize(20);
  g().DrawString("Hx", 2, 20);
  int top = 100, bottom = -1;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (Drawn(x, y)) {
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GE(bottom, 0) << "the text drew nothing";
  EXPECT_LT(top, 20 - 8);     // capitals rise well above the baseline
  EXPECT_LE(bottom, 20 + 1);  // "Hx" has no descender
  EXPECT_GE(bottom, 18);
}

TEST_F(GraphicsTest, StringWidthFollowsSizeAndText) {
  EXPECT_EQ(g().StringWidth(""), 0);
  g().SetTextSize(21);
  const double w21 = g().StringWidth("T2");
  g().SetTextSize(17);
  const double w17 = g().StringWidth("T2");
  EXPECT_GT(w21, w17);
  EXPECT_GT(w17, 0);
  g().SetTextSize(0);  // the default size
  const double w0 = g().StringWidth("T2");
  g().SetTextSize(static_cast<fw::Single>(fw::kDefaultTextSize));
  EXPECT_DOUBLE_EQ(w0, g().StringWidth("T2"));
  // The font named by the program makes a difference.
  g().SetTextSize(21);
  g().SetTextFont("minion pro");
  const double serif = g().StringWidth("T2mmmm");
  g().SetTextFont("System");
  EXPECT_NE(serif, g().StringWidth("T2mmmm"));
}

}  // namespace
