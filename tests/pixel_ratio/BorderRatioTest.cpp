// Borders on the screen of ratio 1.5, where a control at an odd position
// begins in the middle of a device pixel: every border line lies on the
// outermost device pixels that the control shows, on all four sides.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include <cmath>
#include <string>

#include "BevelButton.h"
#include "Fixture.h"
#include "Listbox.h"

namespace {

// The device pixels a control shows: its edges in window coordinates, at the
// ratio, rounded to the nearest device pixel edge.
QRect DevicePixels(const fw::Control& c, double ratio) {
  const QPoint at = c.Widget()->mapTo(c.Widget()->window(), QPoint(0, 0));
  const auto edge = [ratio](int v) { return static_cast<int>(std::lround(v * ratio)); };
  return QRect(QPoint(edge(at.x()), edge(at.y())), QPoint(edge(at.x() + c.Width()) - 1, edge(at.y() + c.Height()) - 1));
}

// Every pixel of the line from a to b (a row or a column) has the colour of
// its middle, and that colour is a line's: darker than the faces around.
void ExpectLine(const QImage& shot, QPoint a, QPoint b, const std::string& what) {
  const QPoint step = a.x() == b.x() ? QPoint(0, 1) : QPoint(1, 0);
  const QRgb line = shot.pixel((a + b) / 2);
  EXPECT_LT(qGray(line), 200) << what << " has no line";
  int wrong = 0;
  for (QPoint p = a; p != b + step; p += step) wrong += shot.pixel(p) == line ? 0 : 1;
  EXPECT_EQ(wrong, 0) << what;
}

void ExpectFrame(const QImage& shot, const fw::Control& c, double ratio) {
  const QRect d = DevicePixels(c, ratio);
  const std::string name = c.Name() + " ";
  // The corners may meet in either colour.
  ExpectLine(shot, d.topLeft() + QPoint(1, 0), d.topRight() - QPoint(1, 0), name + "top");
  ExpectLine(shot, d.bottomLeft() + QPoint(1, 0), d.bottomRight() - QPoint(1, 0), name + "bottom");
  ExpectLine(shot, d.topLeft() + QPoint(0, 1), d.bottomLeft() - QPoint(0, 1), name + "left");
  ExpectLine(shot, d.topRight() + QPoint(0, 1), d.bottomRight() - QPoint(0, 1), name + "right");
}

TEST(RatioBorders, CurveTogglesAndTheValueTableShowEveryBorderAtOneAndAHalf) {
  ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
  fwtest::HookWindow win;
  std::vector<fw::Control*> framed;
  win.layout = [](fwtest::HookWindow& w) {
    w.SetProperty("Width", 600);
    w.SetProperty("Height", 400);
  };
  // Even and odd places and sizes, so that every edge begins in the middle
  // of a device pixel somewhere.
  win.create = [&](fwtest::HookWindow& w) {
    for (int i = 0; i < 2; ++i) {
      auto& toggle = w.Add<fw::BevelButton>("toggle" + std::to_string(i), fw::Control::kNoIndex,
                                            fwtest::Place(20 + 41 * i, 20 + 31 * i, 40 + i, 20 + i));
      toggle.SetCaption("x");
      auto& cut = w.Add<fw::BevelButton>("cut" + std::to_string(i), fw::Control::kNoIndex,
                                         fwtest::Place(150 + 61 * i, 20 + 11 * i, 53 + i, 101 + i));
      cut.SetProperty("Bevel", 1);
      cut.SetProperty("HasBackColor", true);
      auto& table = w.Add<fw::Listbox>("table" + std::to_string(i), fw::Control::kNoIndex,
                                       fwtest::Place(10 + 201 * i, 150 + 11 * i, 190 + i, 120 + i));
      table.SetProperty("Border", true);
      table.SetProperty("GridLinesVertical", 3);
      table.SetColumnCount(3);
      for (int r = 0; r < 10; ++r) table.AddRow(std::vector<fw::String>{fw::Str(r), " 1.00", " 2.00"});
      framed.insert(framed.end(), {&toggle, &cut, &table});
    }
  };
  win.Open();
  win.Widget()->move(2900, 100);
  fwtest::ShowAndWait(win);
  QTRY_COMPARE(win.Widget()->devicePixelRatioF(), 1.5);
  QScreen* screen = win.Widget()->screen();
  ASSERT_EQ(screen->name(), "half");
  // The whole window as the screen shows it, in device pixels.
  const QImage shot = win.Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shot.width(), 900);
  for (const fw::Control* c : framed) ExpectFrame(shot, *c, 1.5);
}

}  // namespace
