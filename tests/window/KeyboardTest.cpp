// The keyboard in the main window: Alt is the Option key and leaves the focus
// where it is; Alt with an access letter opens its menu; the value table
// copies its rows with the Edit menu and its key; Tab and Shift+Tab walk the
// stops in the order of their TabIndex.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "WindowFixture.h"
#include "detail/ControlInternal.h"

namespace {

class Keyboard : public ShownWindow {
 protected:
  void SetUp() override {
    ShownWindow::SetUp();
    q().getParam();
    QWidget* top = q().Widget();
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

// The value table of an unstable loop: the numbers grow past any column
// width. The table shows them as numbers and copies them whole.
TEST_F(Keyboard, TheValueTableShowsLargeValuesAsNumbersAndCopiesThemWhole) {
  ToResults(kUnstableLoop);
  fw::Listbox& table = *q().SigLst();
  ASSERT_EQ(table.ListCount(), 501);
  // Every cell reads as the number it holds, to three digits at least.
  fw::Integer wide = -1;  // the first row with a value too wide for its column
  for (fw::Integer r = 0; r < table.ListCount(); ++r) {
    for (fw::Integer c = 0; c < 5; ++c) {
      const QString cell = QString::fromStdString(table.Cell(r, c)).trimmed();
      const QString shown = QString::fromStdString(table.ShownText(r, c)).trimmed();
      ASSERT_FALSE(shown.contains(QChar(0x2026))) << r << "," << c << ": " << cell.toStdString();
      bool number = false;
      const double exact = QLocale::c().toDouble(cell, &number);
      if (!number || !std::isfinite(exact)) continue;  // "NaN" and "∞" are short
      if (shown != cell && wide < 0) wide = r;
      EXPECT_LE(std::abs(QLocale::c().toDouble(shown) - exact), 0.005 * std::abs(exact))
          << r << "," << c << ": " << cell.toStdString() << " shows " << shown.toStdString();
    }
  }
  ASSERT_GE(wide, 0) << "no value grew wider than its column";

  // Copied rows hold the full texts.
  const auto line = [&](fw::Integer r) {
    QStringList cells;
    for (fw::Integer c = 0; c < 5; ++c) cells << QString::fromStdString(table.Cell(r, c)).trimmed();
    return cells.join(QLatin1Char('\t'));
  };
  auto* view = static_cast<QTableView*>(table.Widget());
  const QModelIndex at = view->model()->index(wide, 1);
  view->scrollTo(at);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(at).center());
  ASSERT_EQ(Focus(), view);
  QTest::keyClick(Focus(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), line(wide));
  EXPECT_GT(line(wide).size(), 30) << line(wide).toStdString();
  view->clearSelection();
  menuBar()->findChild<QAction*>("EditCopy")->trigger();
  const QStringList lines = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
  ASSERT_EQ(lines.size(), 501);
  for (fw::Integer r : {fw::Integer{0}, wide, fw::Integer{500}}) EXPECT_EQ(lines[r], line(r)) << r;
}

}  // namespace

// The stops of the Tab key in each phase, in the order of the controls'
// TabIndex: the template block 2, the blocks made from it 2 as well, panel
// 5, SigLst 62, SlidY 66, SlidX 108, yFld 119, RestartBtn 154, the
// parameter fields param(0) to param(5) 160 to 176, param(11) to param(7)
// 179 to 183, param(6) 184, LosBut 186, param(12) 189, param(13) 190. The
// canvases diagram and parnam, the bevel buttons and the labels take no
// focus; a hidden or disabled control is no stop.
class TabOrder : public ShownWindow {
 protected:
  void SetUp() override {
    ShownWindow::SetUp();
    QWidget* top = q().Widget();
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }
  static QWidget* Focus() { return QApplication::focusWidget(); }
  // The name of the control that has the focus, with its index.
  std::string FocusName() {
    fw::Control* c = fw::detail::ControlForWidget(Focus());
    if (c == nullptr) return "?";
    return c->Index() == fw::Control::kNoIndex ? c->Name() : c->Name() + "(" + std::to_string(c->Index()) + ")";
  }
  // The stops from the focus on, one round by the key.
  std::vector<std::string> Walk(Qt::KeyboardModifiers modifiers) {
    std::vector<std::string> stops = {FocusName()};
    for (int presses = 0; presses < 60; ++presses) {
      QTest::keyClick(Focus(), Qt::Key_Tab, modifiers);
      const std::string n = FocusName();
      if (n == stops.front()) break;
      stops.push_back(n);
    }
    return stops;
  }
  void ExpectOrder(std::vector<std::string> forward, const char* phase) {
    q().LosBut()->Widget()->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(FocusName(), "LosBut") << phase;
    // Both ways round from OK.
    std::rotate(forward.begin(), std::find(forward.begin(), forward.end(), "LosBut"), forward.end());
    EXPECT_EQ(Walk(Qt::NoModifier), forward) << phase;
    std::vector<std::string> backward = {forward.front()};
    backward.insert(backward.end(), forward.rbegin(), forward.rend() - 1);
    EXPECT_EQ(Walk(Qt::ShiftModifier), backward) << phase;
  }
};

TEST_F(TabOrder, TabAndShiftTabWalkTheStopsByTheirTabIndexInEveryPhase) {
  ExpectOrder({"Bx(0)", "panel", "SlidY", "SlidX", "yFld", "LosBut"}, "start");
  // From the parameter phase on the blocks and the fields are shown; a block
  // made at run time comes before the template of the same TabIndex.
  const auto shown = [](std::vector<std::string> from, std::vector<std::string> upToLosBut) {
    std::vector<std::string> all = {"Bx(1)", "Bx(2)", "Bx(0)", "panel"};
    all.insert(all.end(), from.begin(), from.end());
    for (const char* field : {"param(0)", "param(1)", "param(2)", "param(3)", "param(4)", "param(5)", "param(11)",
                              "param(10)", "param(9)", "param(8)", "param(7)", "param(6)"})
      all.push_back(field);
    all.insert(all.end(), upToLosBut.begin(), upToLosBut.end());
    for (const char* after : {"LosBut", "param(12)", "param(13)"}) all.push_back(after);
    return all;
  };
  Ok();
  ExpectOrder(shown({"SlidY", "SlidX", "yFld"}, {}), "parameters");
  Enter(kExampleLoop);
  Ok();
  ExpectOrder(shown({"SlidY", "SlidX", "yFld"}, {}), "disturbance");
  Ok();
  ExpectOrder(shown({"SlidY", "SlidX", "yFld"}, {}), "reference");
  ClickShape();
  Ok();
  ASSERT_EQ(q().Phase, 5);
  // RestartBtn (154) comes before the fields (160 on).
  std::vector<std::string> results = shown({"SigLst", "SlidY", "SlidX", "yFld"}, {});
  results.insert(std::find(results.begin(), results.end(), "param(0)"), "RestartBtn");
  ExpectOrder(results, "results");
}
