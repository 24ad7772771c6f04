// The block diagram, the equation blocks and the parameter-name labels as
// pictures: every pixel of each canvas in each state a user reaches against a
// reference painted from the figures the program must show, and the window
// itself as the screen gets it.
#include <QApplication>
#include <QMainWindow>
#include <QPainter>

#include <string>
#include <vector>

#include "Block.h"
#include "ReferencePictures.h"
#include "SamePicture.h"
#include "WindowFixture.h"

namespace {

using fw::Integer;

using reference::RightEdge;
using reference::Shown;

class Pictures : public OpenWindow {
 protected:
  fw::Canvas& panel() { return *q().panel(); }

  // Both blocks and the whole diagram as the user sees them now.
  void ExpectDiagramAndBlocks(const char* state) {
    Blackbox* controller = q().Bx(1);
    Blackbox* plant = q().Bx(2);
    ASSERT_TRUE(controller != nullptr && plant != nullptr) << state;
    EXPECT_TRUE(fwtest::SamePicture(Shown(*controller), reference::BlockPicture(*controller, 1)))
        << state << ": controller block";
    EXPECT_TRUE(fwtest::SamePicture(Shown(*plant), reference::BlockPicture(*plant, 1))) << state << ": plant block";
    EXPECT_TRUE(fwtest::SamePicture(Shown(panel()),
                                    reference::PanelPicture(RightEdge(*controller), RightEdge(*plant), q().cut, 1)))
        << state << ": diagram";
  }
};

}  // namespace

// Each picture holds: the panel RecMax + 20 wide, at least 600, 300 high, on
// RGB(255, 255, 235); the red "A" (Mistral, 50) at (width - 40, 40); the six
// arrows from the loop's path table less (25, 55), each head a triangle 15
// long and 7.5 to either side of its tip; the junction boxes 42 x 42 at
// (5, 64) and (RecMax - 46, 184), light cyan circles with their black outline,
// diagonals inset 7 and the black quarter (x + 21, y + 21), (x + 36, y + 6),
// (x + 26, y + 1), (x + 16, y + 1), (x + 6, y + 6); the letters at size 18
// with their baselines at w (40, 28), e (67, 75), y and z (RecMax - 51, 145 and
// 265), u (RecMax - 67, 226), x (67, 226); while cut the y arrow ending at 170
// and the red bar 24 x 6 at (RecMax - 37, 174).
TEST_F(Pictures, EveryLoopLayoutMatchesItsPicture) {
  struct Case {
    const char* state;
    Integer w1, w2;
    bool cut;
    Integer recMax, width;
  };
  q().BuildSimpStr();
  for (const Case& c :
       {Case{"narrow blocks", 200, 240, false, 472, 600}, Case{"cut loop", 200, 240, true, 472, 600},
        Case{"wide plant", 200, 400, false, 595, 615}, Case{"wide controller, cut", 500, 100, true, 695, 715},
        Case{"narrow again", 200, 240, false, 472, 600}}) {
    q().cut = c.cut;
    q().Bx(1)->SetWidth(c.w1);
    q().Bx(2)->SetWidth(c.w2);
    q().RedrawBlockDiagram();
    EXPECT_EQ(q().RecMax, c.recMax) << c.state;
    EXPECT_EQ(panel().Width(), c.width) << c.state;
    EXPECT_TRUE(fwtest::SamePicture(Shown(panel()), reference::PanelPicture(125 + c.w1, 125 + c.w2, c.cut, 1)))
        << c.state;
  }
}

// The name labels: "T", "K" at size 24 from (0, 25), the index digit at size
// 20 from (15, 30), the dead time's blank and τ at size 24 from (0, 25).
TEST_F(Pictures, NameLabelsMatchTheirPictures) {
  for (int k = 0; k <= 6; ++k) {
    fw::Canvas* label = q().parnam(k);
    ASSERT_NE(label, nullptr);
    label->Refresh(true);
    EXPECT_TRUE(fwtest::SamePicture(Shown(*label), reference::NameLabelPicture(k, 1))) << "parnam(" << k << ")";
  }
}

// The road through the dialogue: the symbolic blocks after the first OK, the
// typeset numbers and the loop redrawn to the blocks' new widths after the
// parameters, and the whole window as the screen shows it with the results.
TEST_F(Pictures, TheRoadShowsEachStateInTheWindow) {
  ASSERT_TRUE(fwtest::ShowAndWait(q()));
  Ok();
  ASSERT_EQ(q().Phase, 2);
  ExpectDiagramAndBlocks("symbols");
  const Integer symbolsWidth = q().Bx(1)->Width();

  // A controller without K0: the "+" still joins the K1 and K2 terms.
  const Fields controller = {{0, "2"}, {1, "-1.5"}, {2, "0.25"}, {3, "0"}, {4, "2"}, {5, "3"}, {6, "2"}};
  Enter(With(controller, kExamplePlant));
  Ok();
  ASSERT_EQ(q().Phase, 3) << q().Instruction()->Text();
  EXPECT_EQ(model::EquationText(*q().Bx(1)), "2∆2yi+-1.5∆yi+0.25yi = 2∆ei-2+3∆2ei-2");
  EXPECT_EQ(model::EquationText(*q().Bx(2)), "4∆xi+xi = ui-1");
  EXPECT_LT(q().Bx(1)->Width(), symbolsWidth);
  ExpectDiagramAndBlocks("parameters");

  Ok();
  ClickShape();
  Ok();
  ASSERT_EQ(q().Phase, 5) << q().Instruction()->Text();
  ExpectDiagramAndBlocks("results");
  QApplication::processEvents();

  // The window as the screen gets it: the panel's picture with both blocks on
  // it and nothing of the invisible template block; the name labels' ink on
  // the window's own background.
  const QImage window = q().Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QPoint content = q().ContentArea()->mapTo(q().Widget(), QPoint(0, 0));
  auto part = [&](int x, int y, int w, int h) { return window.copy(content.x() + x, content.y() + y, w, h); };

  QImage diagram(panel().Width(), 300, QImage::Format_RGB32);
  {
    QPainter p(&diagram);
    p.drawImage(0, 0, Shown(panel()));
    p.drawImage(100, 55, Shown(*q().Bx(1)));
    p.drawImage(100, 175, Shown(*q().Bx(2)));
  }
  EXPECT_TRUE(fwtest::SamePicture(part(10, 10, panel().Width(), 300), diagram)) << "block diagram in the window";

  const QRgb background = part(501, 460, 1, 1).pixel(0, 0);
  EXPECT_NE(QColor(background), ToQ(kPaper));
  for (int k = 0; k <= 6; ++k) {
    QImage label(33, 30, QImage::Format_RGB32);
    label.fill(background);
    {
      QPainter p(&label);
      p.drawImage(0, 0, reference::NameLabelPicture(k, 1));
    }
    EXPECT_TRUE(fwtest::SamePicture(part(505, 456 + 33 * k, 33, 30), label)) << "parnam(" << k << ") in the window";
  }

  // The area letters: "B" red at size 50 from (10, 40) of the chart, over its
  // grid; "C" red inside the table's corner from (417, 329) on.
  reference::Picture b(500, 400, 1);
  b.Text("B", "Mistral", 50, 10, 40, kRed);
  const QImage letterB = b.Image();
  const QImage chart = Shown(*q().diagram());
  int solid = 0;
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) {
      const int cover = qAlpha(letterB.pixel(x, y));
      const QColor got(chart.pixel(x, y));
      if (cover == 255) {
        ++solid;
        EXPECT_EQ(got, ToQ(kRed)) << "B at " << x << "," << y;
      } else if (cover == 0) {
        EXPECT_FALSE(got.red() > 200 && got.green() < 100) << "red beside the B at " << x << "," << y;
      }
    }
  EXPECT_GT(solid, 50);
  const QImage cArea = part(380, 300, 120, 110);
  int red = 0, redOutside = 0;
  for (int y = 0; y < cArea.height(); ++y)
    for (int x = 0; x < cArea.width(); ++x) {
      const QColor c(cArea.pixel(x, y));
      if (c.red() < 200 || c.green() > 80) continue;
      ++red;
      if (x < 417 - 380 || y < 329 - 300 || y >= 329 + 49 - 300) ++redOutside;
    }
  EXPECT_GT(red, 50) << "the letter C";
  EXPECT_EQ(redOutside, 0) << "the letter C beside its place";

  // The results left to change the parameters: new blocks in symbols and the
  // loop drawn anew; the changed parameters lead straight to the results with
  // the loop fitted to the new widths; Restart draws the symbols again.
  Ok();
  ASSERT_EQ(q().Phase, 2);
  ExpectDiagramAndBlocks("parameter correction");
  Enter(5, "0");
  Ok();
  ASSERT_EQ(q().Phase, 5) << q().Instruction()->Text();
  EXPECT_EQ(model::EquationText(*q().Bx(1)), "2∆2yi+-1.5∆yi+0.25yi = 2∆ei-2");
  ExpectDiagramAndBlocks("corrected results");
  Click(q().RestartBtn());
  ExpectDiagramAndBlocks("restart");
}
