// The program's signal chart on a screen of device pixel ratio 2: the grid,
// the zero line and the rings keep their canvas-pixel figures on twice as
// many device pixels a side. A line through canvas row y covers device rows
// 2y and 2y + 1; a ring of radius r round (x, y) fills the square from
// device pixel 2(x - r) to 2(x + r) + 1, its 2r + 1 canvas pixels.
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

#include "Fixture.h"
#include "WindowFixture.h"

namespace {

class ChartAtRatio2 : public OpenWindow {
 protected:
  void SetUp() override {
    OpenWindow::SetUp();
    q().Widget()->move(1500, 50);  // on the screen "double"
    fwtest::ShowAndWait(q());
    // w alone, 1 at the even steps and -1 at the odd ones: the curve zigzags
    // between the rows 100 and 300, and only the rings lie beside a point.
    q().s.Resize(4, 500);
    for (int t = 1; t <= 500; ++t) q().s(4, t) = t % 2 == 0 ? 1.0f : -1.0f;
    for (const char* caption : {"x", "y", "z", "w"}) q().NewBBtn().SetCaption(caption);
    q().BBtn(4)->SetValue(true);
  }
  // The device pixels of the first curve's colour on a line through the
  // surface, from one pixel to another.
  std::vector<int> Red(QPoint from, QPoint step, int count) {
    const QImage& s = q().diagram()->Surface();
    std::vector<int> at;
    for (int n = 0; n < count; ++n, from += step)
      if (s.pixel(from) == ToRgb(kDarkRed)) at.push_back(n);
    return at;
  }
};

}  // namespace

TEST_F(ChartAtRatio2, RingsZeroLineAndGridKeepTheirCanvasPixels) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  ASSERT_EQ(q().diagram()->DeviceRatio(), 2.0);
  struct Case {
    int value;   // of the time slider
    int step;    // canvas pixels per shown step
    int radius;  // of the rings
  };
  for (const Case& c : {Case{500, 50, 4}, Case{100, 10, 2}, Case{250, 25, 4}}) {
    q().SlidX()->SetValue(c.value);
    q().diagram()->Refresh(true);  // the chart redraw
    q().Drw();
    const QImage& s = q().diagram()->Surface();
    ASSERT_EQ(s.size(), QSize(1000, 800));
    const int r = c.radius, reach = 2 * r + 6;  // device pixels looked at from the centre
    for (int t = 2; t <= 5; ++t) {
      const int x = c.step * t, y = t % 2 == 0 ? 100 : 300;
      // Across the centre row: the outline from 2(x - r) to 2(x + r) + 1.
      const std::vector<int> across = Red(QPoint(2 * x - reach, 2 * y), QPoint(1, 0), 2 * reach + 2);
      ASSERT_FALSE(across.empty()) << c.value << " step " << t;
      EXPECT_EQ(across.front(), reach - 2 * r) << c.value << " step " << t;
      EXPECT_EQ(across.back(), reach + 2 * r + 1) << c.value << " step " << t;
      // Along the centre column, on the side away from the segments.
      const std::vector<int> along = Red(QPoint(2 * x, 2 * y - reach), QPoint(0, 1), 2 * reach + 2);
      ASSERT_FALSE(along.empty()) << c.value << " step " << t;
      if (y == 100) {
        EXPECT_EQ(along.front(), reach - 2 * r) << c.value << " step " << t;
      } else {
        EXPECT_EQ(along.back(), reach + 2 * r + 1) << c.value << " step " << t;
      }
      EXPECT_EQ(s.pixel(2 * x + 1, 2 * y + 1), ToRgb(kWhite)) << "filled white, " << c.value << " step " << t;
    }
    // Zero line on canvas row 200, grid on rows 50 and 150, frame.
    for (auto [row, colour] : {std::pair{200, kBlack}, std::pair{50, kGrid}, std::pair{150, kGrid},
                               std::pair{0, kBlack}, std::pair{399, kBlack}}) {
      EXPECT_EQ(s.pixel(2 * 7, 2 * row), ToRgb(colour)) << row;
      EXPECT_EQ(s.pixel(2 * 7, 2 * row + 1), ToRgb(colour)) << row;
    }
    EXPECT_EQ(s.pixel(2 * 7, 2 * 200 - 1), ToRgb(kWhite));
    EXPECT_EQ(s.pixel(2 * 7, 2 * 200 + 2), ToRgb(kWhite));
  }
}
