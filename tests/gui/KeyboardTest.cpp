// The keyboard in the main window: Alt is the Option key and leaves the focus
// where it is; Alt with an access letter opens its menu.
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "WindowFixture.h"

namespace {

class Keyboard : public OpenWindow {
 protected:
  void SetUp() override {
    OpenWindow::SetUp();
    q().getParam();
    QWidget* top = q().Widget();
    top->show();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }
  // Keys go where the keyboard sends them: to the widget with the focus.
  static QWidget* Focus() { return QApplication::focusWidget(); }
  static void Type(const char* text) { QTest::keyClicks(Focus(), QString::fromUtf8(text)); }
  static void TapAlt() {
    QTest::keyPress(Focus(), Qt::Key_Alt);
    QTest::keyRelease(Focus(), Qt::Key_Alt, Qt::AltModifier);
  }
  QMenuBar* menuBar() { return q().Widget()->menuBar(); }
};

TEST_F(Keyboard, TappingAltBetweenKeystrokesLeavesTheFocusInTheField) {
  struct Case {
    fw::Integer field;
    int taps;
  };
  for (const Case c : {Case{0, 1}, Case{9, 2}, Case{13, 3}}) {
    fw::TextField* f = q().param(c.field);
    f->Widget()->setFocus(Qt::MouseFocusReason);
    ASSERT_EQ(Focus(), f->Widget());
    Type("1");
    for (int i = 0; i < c.taps; ++i) TapAlt();
    Type("5");
    EXPECT_EQ(f->Text(), "15") << "param(" << c.field << ") after " << c.taps << " taps";
    EXPECT_EQ(Focus(), f->Widget());
    EXPECT_EQ(menuBar()->activeAction(), nullptr);
  }
}

TEST_F(Keyboard, AltWithAnAccessLetterOpensItsMenuAndEscapeReturnsToTheField) {
  fw::TextField* f = q().param(2);
  f->Widget()->setFocus(Qt::MouseFocusReason);
  Type("1");
  QTest::keyClick(Focus(), Qt::Key_B, Qt::AltModifier);
  auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(open, nullptr);
  EXPECT_EQ(open->menuAction()->objectName(), "EditMenu");
  QTest::keyClick(open, Qt::Key_Escape);
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
  EXPECT_EQ(menuBar()->activeAction(), nullptr);
  ASSERT_EQ(Focus(), f->Widget());
  Type("2");
  EXPECT_EQ(f->Text(), "12");
}

}  // namespace
