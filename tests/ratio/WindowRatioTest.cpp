// The main window on a screen of device pixel ratio 2: the block diagram, the
// equation blocks made at run time and the name labels are drawn sharp, on
// twice as many device pixels a side, each the same picture in canvas pixels
// as at ratio 1.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QTest>

#include <memory>

#include "../gui/ReferencePictures.h"
#include "Block.h"
#include "MenuBar1.h"
#include "Q.h"

namespace {

using reference::RightEdge;
using reference::Shown;

struct DoubleRatioWindow : ::testing::Test {
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
    window = std::make_unique<Q>(&bar);
    window->Open();
    window->Widget()->move(1500, 50);
    window->Widget()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Widget()));
    QTRY_COMPARE(window->Widget()->devicePixelRatioF(), 2.0);
  }
  void Ok() {
    QTest::mouseClick(window->LosBut()->Widget(), Qt::LeftButton);
    QApplication::processEvents();  // what the screen shows next
  }
  void Enter(fw::Integer n, const char* text) {
    window->param(n)->SetText("");
    QTest::keyClicks(window->param(n)->Widget(), QString::fromUtf8(text));
  }
  // Both blocks, the diagram and the name labels at ratio 2.
  void ExpectSharpPictures(const char* state) {
    Blackbox* controller = window->Bx(1);
    Blackbox* plant = window->Bx(2);
    ASSERT_TRUE(controller != nullptr && plant != nullptr) << state;
    for (const fw::Canvas* c : {static_cast<fw::Canvas*>(controller), static_cast<fw::Canvas*>(plant), window->panel()})
      EXPECT_EQ(c->DeviceRatio(), 2.0) << state;
    EXPECT_EQ(reference::Differences(Shown(*controller), reference::BlockPicture(*controller, 2)), "")
        << state << ": controller block";
    EXPECT_EQ(reference::Differences(Shown(*plant), reference::BlockPicture(*plant, 2)), "") << state << ": plant block";
    EXPECT_EQ(reference::Differences(Shown(*window->panel()),
                                     reference::PanelPicture(RightEdge(*controller), RightEdge(*plant), window->cut, 2)),
              "")
        << state << ": diagram";
    for (int k = 0; k <= 6; ++k)
      EXPECT_EQ(reference::Differences(Shown(*window->parnam(k)), reference::NameLabelPicture(k, 2)), "")
          << state << ": parnam(" << k << ")";
  }
  MenuBar1 bar;
  std::unique_ptr<Q> window;
};

TEST_F(DoubleRatioWindow, BlocksDiagramAndNameLabelsAreSharp) {
  Ok();
  ASSERT_EQ(window->Phase, 2);
  ExpectSharpPictures("symbols");
  // A junction is the circle inscribed in its 42 x 42 box: on the row through
  // junction 2's centre its ink ends with the box's last canvas column,
  // RecMax - 5, on its second device pixel.
  const QImage& s = window->panel()->Surface();
  int last = -1;
  for (int x = 2 * (window->RecMax - 46); x < 2 * (window->RecMax + 10); ++x)
    if (QColor(s.pixel(x, 2 * 205)) != QColor(255, 255, 235)) last = x;
  EXPECT_EQ(last, 2 * (window->RecMax - 5) + 1);

  window->cut = true;
  const char* controller[] = {"0", "2", "1", "3", "0", "0", "4"};
  for (fw::Integer n = 0; n <= 6; ++n) Enter(n, controller[n]);
  Enter(8, "4");
  Enter(9, "1");
  Enter(10, "1");
  Enter(13, "1");
  Ok();
  ASSERT_EQ(window->Phase, 3) << window->Instruction()->Text();
  EXPECT_EQ(model::EquationText(*window->Bx(1)), "2∆yi+yi = 3ei-4");
  ExpectSharpPictures("parameters, cut");
}

}  // namespace
