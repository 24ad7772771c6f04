// Canvases on a screen of device pixel ratio 2: the surface has the screen's
// pixels, the program keeps drawing in canvas pixels, text is smoothed, and a
// canvas follows its window from one screen to the other. The platform gives
// three screens side by side: "plain" (ratio 1), "double" (ratio 2) and
// "half" (ratio 1.5).
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Canvas.h"
#include "Fixture.h"
#include "Graphics.h"
#include "RandomPaths.h"

namespace {

using fw::Canvas;
using fw::Color;
using fw::Event;
using fw::EventArgs;

constexpr Color kRed{255, 0, 0};
constexpr Color kBlue{0, 0, 255};
const QRgb kRedPixel = qRgb(255, 0, 0);

struct RatioCanvas : ::testing::Test {
  RatioCanvas() {
    win.layout = [](fwtest::HookWindow& w) {
      w.SetProperty("Width", 200);
      w.SetProperty("Height", 150);
    };
    win.create = [this](fwtest::HookWindow& w) {
      canvas = &w.Add<Canvas>("panel", fw::Control::kNoIndex, fwtest::Place(10, 20, 100, 80));
      canvas->AddEventHandler(Event::Paint, [this](fw::Control&, const EventArgs& a) {
        ++paints;
        a.g->SetForeColor(kBlue);
        a.g->FillRect(0, 0, 4, 4);
        return false;
      });
    };
  }
  // Shows the window with its top left corner at x on the desktop: below
  // 1400 on "plain", from 1400 on "double".
  void ShowAt(int x) {
    win.Open();
    win.Widget()->move(x, 100);
    fwtest::ShowAndWait(win);
  }
  void MoveTo(int x, double ratio) {
    win.Widget()->move(x, 100);
    QTRY_COMPARE(canvas->Widget()->devicePixelRatioF(), ratio);
    QApplication::processEvents();
  }
  fwtest::HookWindow win;
  Canvas* canvas = nullptr;
  int paints = 0;
};

bool Red(const QImage& s, int x, int y) { return s.pixel(x, y) == kRedPixel; }
bool Blank(const QImage& s, int x, int y) { return qAlpha(s.pixel(x, y)) == 0; }

TEST_F(RatioCanvas, DrawsInCanvasPixelsOnTwiceAsManyDevicePixels) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  ShowAt(1500);
  ASSERT_EQ(canvas->DeviceRatio(), 2.0);
  fw::Graphics& g = canvas->Graphics();
  g.SetForeColor(kRed);
  g.DrawLine(5, 10, 5, 30);    // vertical
  g.DrawLine(20, 40, 60, 40);  // horizontal
  g.FillRect(70, 5, 3, 2);
  g.SetForeColor(Color{0, 0, 0});
  g.SetTextSize(20);
  g.DrawString("Hx", 10, 70);

  const QImage& s = canvas->Surface();
  EXPECT_EQ(s.size(), QSize(200, 160));
  EXPECT_EQ(s.devicePixelRatio(), 2.0);
  // A line through canvas column 5 covers device columns 10 and 11, from the
  // first device row of canvas row 10 to the last of canvas row 30.
  for (int y = 20; y <= 61; ++y) {
    EXPECT_TRUE(Red(s, 10, y) && Red(s, 11, y)) << y;
    EXPECT_TRUE(Blank(s, 9, y) && Blank(s, 12, y)) << y;
  }
  EXPECT_TRUE(Blank(s, 10, 19) && Blank(s, 10, 62));
  for (int x = 40; x <= 121; ++x)
    EXPECT_TRUE(Red(s, x, 80) && Red(s, x, 81) && Blank(s, x, 79) && Blank(s, x, 82)) << x;
  EXPECT_TRUE(Blank(s, 39, 80) && Blank(s, 122, 80));
  int filled = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 130; x < 160; ++x) filled += Red(s, x, y) ? 1 : 0;
  EXPECT_EQ(filled, 6 * 4);
  EXPECT_TRUE(Red(s, 140, 10) && Red(s, 145, 13));

  // Canvas coordinates for the pixel readers.
  EXPECT_EQ(canvas->PixelAt(5, 10), kRed);
  EXPECT_EQ(canvas->PixelAt(72, 6), kRed);
  EXPECT_TRUE(canvas->PixelIsBlank(4, 20));
  EXPECT_TRUE(canvas->PixelIsBlank(6, 20));
  EXPECT_TRUE(canvas->PixelIsBlank(73, 6));

  // Smoothed text: edge pixels of partial cover, and solid ink, above the
  // baseline at device row 140.
  int partial = 0, solid = 0, below = 0;
  for (int y = 100; y < 160; ++y)
    for (int x = 20; x < 80; ++x) {
      const int a = qAlpha(s.pixel(x, y));
      partial += a > 0 && a < 255 ? 1 : 0;
      solid += a == 255 ? 1 : 0;
      below += a > 0 && y > 142 ? 1 : 0;
    }
  EXPECT_GT(partial, 20);
  EXPECT_GT(solid, 50);
  EXPECT_EQ(below, 0);

  // The screen gets the device pixels as they are, not a picture blown up.
  const QImage shot = canvas->Widget()->grab().toImage();
  EXPECT_EQ(shot.devicePixelRatio(), 2.0);
  EXPECT_EQ(shot.size(), QSize(200, 160));
  EXPECT_EQ(QColor(shot.pixel(11, 40)), QColor(255, 0, 0));
  EXPECT_NE(QColor(shot.pixel(12, 40)), QColor(255, 0, 0));
}

TEST_F(RatioCanvas, FollowsItsWindowToAScreenOfAnotherRatio) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  ShowAt(100);
  ASSERT_EQ(canvas->DeviceRatio(), 1.0);
  EXPECT_EQ(canvas->Surface().size(), QSize(100, 80));
  canvas->Graphics().SetForeColor(kRed);
  canvas->Graphics().FillRect(20, 20, 6, 6);
  const int paintsBefore = paints;

  MoveTo(1500, 2.0);
  EXPECT_EQ(canvas->DeviceRatio(), 2.0);
  EXPECT_EQ(canvas->Surface().size(), QSize(200, 160));
  // The picture comes along without a Paint event, and drawing goes on in
  // canvas pixels.
  EXPECT_EQ(paints, paintsBefore);
  EXPECT_EQ(canvas->PixelAt(22, 22), kRed);
  EXPECT_EQ(canvas->PixelAt(1, 1), kBlue);
  EXPECT_TRUE(canvas->PixelIsBlank(40, 40));
  canvas->Graphics().FillRect(40, 40, 1, 1);
  EXPECT_TRUE(Red(canvas->Surface(), 80, 80) && Red(canvas->Surface(), 81, 81));
  EXPECT_TRUE(Blank(canvas->Surface(), 82, 80));
  canvas->Refresh(true);
  EXPECT_TRUE(canvas->PixelIsBlank(22, 22));
  EXPECT_EQ(canvas->PixelAt(3, 3), kBlue);

  MoveTo(100, 1.0);
  EXPECT_EQ(canvas->DeviceRatio(), 1.0);
  EXPECT_EQ(canvas->Surface().size(), QSize(100, 80));
  EXPECT_EQ(canvas->PixelAt(3, 3), kBlue);
}

// A canvas filled all over tells the toolkit that it paints every pixel of
// its own, so the window is not painted beneath it. That holds on every
// screen and at sizes that end within a device pixel: every device pixel of
// the surface that the canvas covers is opaque. Carried to another ratio the
// picture is scaled, and the window is painted beneath it again until the
// canvas is filled anew.
TEST_F(RatioCanvas, AFillAllOverLeavesNoDevicePixelClear) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  ShowAt(100);
  const auto opaque = [this] { return canvas->Widget()->testAttribute(Qt::WA_OpaquePaintEvent); };
  for (const auto& [x, ratio] : {std::pair{100, 1.0}, {1500, 2.0}, {2900, 1.5}}) {
    MoveTo(x, ratio);
    EXPECT_FALSE(opaque()) << ratio << ": the scaled picture counts as filled";
    for (const QSize size : {QSize(100, 80), QSize(101, 81), QSize(103, 77)}) {
      canvas->SetWidth(size.width());
      canvas->SetHeight(size.height());
      canvas->Refresh(true);
      EXPECT_FALSE(opaque()) << ratio;
      canvas->Graphics().SetForeColor(kRed);
      canvas->Graphics().FillRect(0, 0, size.width(), size.height() - 1);
      EXPECT_FALSE(opaque()) << ratio << ": a row short counts as filled";
      canvas->Graphics().FillRect(-5, -5, size.width() + 10, size.height() + 10);
      ASSERT_TRUE(opaque()) << ratio;
      const QImage& s = canvas->Surface();
      const int w = static_cast<int>(std::ceil(size.width() * ratio)),
                h = static_cast<int>(std::ceil(size.height() * ratio));
      int clear = 0;
      for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) clear += qAlpha(s.pixel(i, j)) != 255;
      EXPECT_EQ(clear, 0) << ratio << " " << size.width() << "x" << size.height();
    }
  }
}

// The plain drawing of a line at a ratio above 1 on one bare painter: a line
// one canvas pixel wide through the centres of the end pixels, and both ends
// as points. Lines drawn the fast way (level and upright ones as rectangles,
// a run of them or many apart in one call) must give its pixels, on the canvas and across
// its edges, at 1.5 and at 2.
TEST_F(RatioCanvas, FastLinesAndPolylinesGiveThePlainLinesPixels) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  ShowAt(100);
  std::mt19937 random(11);
  for (auto [x, ratio] : {std::pair{2900, 1.5}, std::pair{1500, 2.0}}) {
    MoveTo(x, ratio);
    ASSERT_EQ(canvas->DeviceRatio(), ratio);
    for (int round = 0; round < 300; ++round) {
      const std::vector<fw::Integer> xy = fwtest::RandomPath(random, round % 3 == 0, 100, 80);
      const std::size_t points = xy.size() / 2;
      canvas->Refresh(true);
      QImage expected = canvas->Surface().copy();
      expected.setDevicePixelRatio(ratio);
      {
        QPainter p(&expected);
        p.setClipRect(0, 0, 100, 80);
        QPen pen(QColor(255, 0, 0));
        pen.setWidth(1);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        const QPointF o(0.5, 0.5);
        for (std::size_t i = points == 1 ? 0 : 1; i < points; ++i) {
          const std::size_t from = i == 0 ? 0 : 2 * i - 2;
          const QPointF a = QPointF(xy[from], xy[from + 1]) + o, b = QPointF(xy[2 * i], xy[2 * i + 1]) + o;
          if (a != b) p.drawLine(QLineF(a, b));
          p.drawPoint(a);
          p.drawPoint(b);
        }
      }
      for (const std::string way : {"polyline", "lines", "line by line"}) {
        canvas->Refresh(true);
        fw::Graphics& g = canvas->Graphics();
        g.SetForeColor(kRed);
        std::vector<fw::Integer> ends;
        for (std::size_t i = points == 1 ? 0 : 1; i < points; ++i) {
          const std::size_t from = i == 0 ? 0 : 2 * i - 2;
          ends.insert(ends.end(), {xy[from], xy[from + 1], xy[2 * i], xy[2 * i + 1]});
          if (way == "line by line") g.DrawLine(xy[from], xy[from + 1], xy[2 * i], xy[2 * i + 1]);
        }
        if (way == "polyline") g.DrawPolyline(xy);
        if (way == "lines") g.DrawLines(ends);
        const QImage& s = canvas->Surface();
        ASSERT_EQ(s.size(), expected.size());
        for (int dy = 0; dy < s.height(); ++dy)
          for (int dx = 0; dx < s.width(); ++dx)
            ASSERT_EQ(s.pixel(dx, dy), expected.pixel(dx, dy))
                << way << " at ratio " << ratio << ", round " << round << " at device pixel " << dx << "," << dy;
      }
    }
  }
}

}  // namespace

// Short lines, points and small ovals come out as the painter draws them,
// all over a large canvas (far from the origin) and across its edges, also
// where the surface reaches beyond a canvas made smaller, at ratio 1, 1.5
// and 2.
TEST_F(RatioCanvas, SmallShapesGiveThePaintersPixelsAllOverALargeCanvas) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  ShowAt(100);
  std::mt19937 random(5);
  for (auto [x, ratio] : {std::pair{100, 1.0}, std::pair{2900, 1.5}, std::pair{1500, 2.0}}) {
    MoveTo(x, ratio);
    ASSERT_EQ(canvas->DeviceRatio(), ratio);
    canvas->SetWidth(4000);
    canvas->SetHeight(1000);
    canvas->Graphics().FillRect(0, 0, 1, 1);
    canvas->SetWidth(3990);
    canvas->SetHeight(990);
    canvas->Refresh(true);
    const int w = 3990, h = 990;
    QImage expected = canvas->Surface().copy();
    expected.setDevicePixelRatio(ratio);
    ASSERT_EQ(expected.size(), QSize(static_cast<int>(4000 * ratio), static_cast<int>(1000 * ratio)));
    const double o = ratio == 1 ? 0 : 0.5;
    const auto erase = [](QImage& image, const QRect& area) {
      QPainter e(&image);
      e.setCompositionMode(QPainter::CompositionMode_Source);
      e.fillRect(area, Qt::transparent);
    };
    for (int round = 0; round < 400; ++round) {
      // Anywhere, or within 40 pixels of an edge of the canvas.
      const auto coordinate = [&](int side) {
        const int at = static_cast<int>(random() % 80) - 40;
        return random() % 3 == 0 ? static_cast<int>(random() % side) : random() % 2 == 0 ? at : side + at;
      };
      const QPoint at(coordinate(w), coordinate(h));
      const int ow = 1 + static_cast<int>(random() % 34), oh = 1 + static_cast<int>(random() % 34);
      const bool fill = random() % 2 == 0;
      std::vector<fw::Integer> ends;
      for (int k = static_cast<int>(random() % 6); k >= 0; --k) {
        const QPoint a = at + QPoint(static_cast<int>(random() % 9), static_cast<int>(random() % 9));
        const QPoint b = a + QPoint(static_cast<int>(random() % 3) - 1, static_cast<int>(random() % 3) - 1);
        ends.insert(ends.end(), {a.x(), a.y(), b.x(), b.y()});
      }
      {
        QPainter p(&expected);
        p.setClipRect(0, 0, w, h);
        QPen pen(QColor(255, 0, 0));
        pen.setWidth(1);
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
        for (std::size_t i = 0; i + 3 < ends.size(); i += 4) {
          const QPointF a = QPointF(ends[i], ends[i + 1]) + QPointF(o, o);
          const QPointF b = QPointF(ends[i + 2], ends[i + 3]) + QPointF(o, o);
          if (ratio == 1) {
            p.drawLine(a.toPoint(), b.toPoint());
            p.drawPoint(a.toPoint());
            p.drawPoint(b.toPoint());
            continue;
          }
          if (a != b) p.drawLine(QLineF(a, b));
          p.drawPoint(a);
          p.drawPoint(b);
        }
        p.setPen(QColor(0, 0, 255));
        p.setBrush(fill ? QBrush(QColor(0, 0, 255)) : QBrush(Qt::NoBrush));
        if (ow <= 2 || oh <= 2) {
          p.fillRect(QRect(at, QSize(ow, oh)), QColor(0, 0, 255));
        } else if (ratio == 1) {
          p.drawEllipse(QRect(at, QSize(ow - 1, oh - 1)));
        } else {
          p.drawEllipse(QRectF(at.x() + o, at.y() + o, ow - 1, oh - 1));
        }
      }
      fw::Graphics& g = canvas->Graphics();
      g.SetForeColor(kRed);
      if (round % 2 == 0) {
        g.DrawLines(ends);
      } else {
        for (std::size_t i = 0; i + 3 < ends.size(); i += 4)
          g.DrawPolyline({ends[i], ends[i + 1], ends[i + 2], ends[i + 3]});
      }
      g.SetForeColor(kBlue);
      if (fill) {
        g.FillOval(at.x(), at.y(), ow, oh);
      } else {
        g.DrawOval(at.x(), at.y(), ow, oh);
      }
      const QImage& s = canvas->Surface();
      const QRect area = QRect(at - QPoint(2, 2), QSize(40, 40)).intersected(QRect(0, 0, 4000, 1000));
      const QRect device(area.topLeft() * ratio, area.size() * ratio);
      for (int dy = device.top(); dy <= device.bottom(); ++dy)
        for (int dx = device.left(); dx <= device.right(); ++dx)
          ASSERT_EQ(s.pixel(dx, dy), expected.pixel(dx, dy))
              << "ratio " << ratio << ", round " << round << " at device pixel " << dx << "," << dy;
      erase(canvas->MutableSurface(), area);
      erase(expected, area);
    }
  }
}
