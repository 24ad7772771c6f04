// The main window on a screen of device pixel ratio 2: the block diagram, the
// equation blocks made at run time and the name labels are drawn sharp, on
// twice as many device pixels a side, each the same picture in canvas pixels
// as at ratio 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTest>

#include "Block.h"
#include "ReferencePictures.h"
#include "SamePicture.h"
#include "WindowFixture.h"

namespace {

using reference::RightEdge;
using reference::Shown;

class DoubleRatioWindow : public OpenWindow {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
    OpenWindow::SetUp();
    q().Widget()->move(1500, 50);
    ASSERT_TRUE(fwtest::ShowAndWait(q()));
    QTRY_COMPARE(q().Widget()->devicePixelRatioF(), 2.0);
  }
  void Ok() {
    OpenWindow::Ok();
    QApplication::processEvents();  // what the screen shows next
  }
  // Both blocks, the diagram and the name labels at ratio 2.
  void ExpectSharpPictures(const char* state) {
    Blackbox* controller = q().Bx(1);
    Blackbox* plant = q().Bx(2);
    ASSERT_TRUE(controller != nullptr && plant != nullptr) << state;
    for (const fw::Canvas* c : {static_cast<fw::Canvas*>(controller), static_cast<fw::Canvas*>(plant), q().panel()})
      EXPECT_EQ(c->DeviceRatio(), 2.0) << state;
    EXPECT_TRUE(fwtest::SamePicture(Shown(*controller), reference::BlockPicture(*controller, 2)))
        << state << ": controller block";
    EXPECT_TRUE(fwtest::SamePicture(Shown(*plant), reference::BlockPicture(*plant, 2))) << state << ": plant block";
    EXPECT_TRUE(fwtest::SamePicture(Shown(*q().panel()),
                                    reference::PanelPicture(RightEdge(*controller), RightEdge(*plant), q().cut, 2)))
        << state << ": diagram";
    for (int k = 0; k <= 6; ++k)
      EXPECT_TRUE(fwtest::SamePicture(Shown(*q().parnam(k)), reference::NameLabelPicture(k, 2)))
          << state << ": parnam(" << k << ")";
  }
};

TEST_F(DoubleRatioWindow, BlocksDiagramAndNameLabelsAreSharp) {
  Ok();
  ASSERT_EQ(q().Phase, 2);
  ExpectSharpPictures("symbols");
  // A junction is the circle inscribed in its 42 x 42 box: on the row through
  // junction 2's centre its ink ends with the box's last canvas column,
  // RecMax - 5, on its second device pixel.
  const QImage& s = q().panel()->Surface();
  int last = -1;
  for (int x = 2 * (q().RecMax - 46); x < 2 * (q().RecMax + 10); ++x)
    if (QColor(s.pixel(x, 2 * 205)) != ToQ(kPaper)) last = x;
  EXPECT_EQ(last, 2 * (q().RecMax - 5) + 1);

  q().cut = true;
  const Fields controller = {{0, "0"}, {1, "2"}, {2, "1"}, {3, "3"}, {4, "0"}, {5, "0"}, {6, "4"}};
  Enter(With(controller, kExamplePlant));
  Ok();
  ASSERT_EQ(q().Phase, 3) << q().Instruction()->Text();
  EXPECT_EQ(model::EquationText(*q().Bx(1)), "2∆yi+yi = 3ei-4");
  ExpectSharpPictures("parameters, cut");
}

}  // namespace
