// The beep, the Option key and the fonts asked for by name.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTest>

#include "Fixture.h"
#include "Label.h"
#include "System.h"

namespace {

TEST(Beep, EveryBeepCounts) {
  const fw::Integer before = fw::BeepCount();
  fw::Beep();
  fw::Beep();
  EXPECT_EQ(fw::BeepCount(), before + 2);
}

// A shown window with one label, the target of the input events.
struct OptionKey : ::testing::Test {
  OptionKey() {
    win.create = [this](fwtest::HookWindow& w) {
      target = w.Add<fw::Label>("l", fw::Control::kNoIndex, fwtest::Place(0, 0, 50, 50)).Widget();
    };
    fwtest::ShowAndWait(win);
  }
  fwtest::HookWindow win;
  QWidget* target = nullptr;
};

TEST_F(OptionKey, FollowsAltThroughInputEvents) {
  QTest::keyPress(target, Qt::Key_Alt);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QTest::mouseMove(target, QPoint(10, 10));  // a move without modifiers releases nothing
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QTest::keyRelease(target, Qt::Key_Alt);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  QTest::mouseClick(target, Qt::LeftButton, Qt::AltModifier, QPoint(5, 5));
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  // Another key's event carries the modifier.
  QKeyEvent withAlt(QEvent::KeyPress, Qt::Key_A, Qt::AltModifier, "a");
  QApplication::sendEvent(target, &withAlt);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QKeyEvent without(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
  QApplication::sendEvent(target, &without);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
}

// Alt held, another program takes the keyboard (Alt+Tab) and gets the
// release; back here a move without Alt must not find the key still held.
TEST_F(OptionKey, ReleasedWhileAnotherProgramHadTheKeyboard) {
  const auto leaveAndReturn = [] {
    // What the platform sends when another program is activated and when
    // this one is again (the offscreen platform has no other programs).
    QEvent away(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &away);
    QEvent back(QEvent::ApplicationActivate);
    QCoreApplication::sendEvent(QCoreApplication::instance(), &back);
  };
  QTest::keyPress(target, Qt::Key_Alt);
  ASSERT_TRUE(fw::Keyboard::OptionKey());
  leaveAndReturn();
  QTest::mouseMove(target, QPoint(20, 20));
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  // Still held on return: the next event that carries it says so.
  QMouseEvent held(QEvent::MouseMove, QPointF(30, 20), target->mapToGlobal(QPointF(30, 20)), Qt::NoButton,
                   Qt::NoButton, Qt::AltModifier);
  QApplication::sendEvent(target, &held);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QTest::keyRelease(target, Qt::Key_Alt);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  // Leaving without the key held changes nothing.
  leaveAndReturn();
  EXPECT_FALSE(fw::Keyboard::OptionKey());
}

TEST(Fonts, NamesMapToTheInstalledStandIns) {
  const std::pair<const char*, const char*> table[] = {
      {"Handwriting - Dakota", "Dancing Script"}, {"Mistral", "Kaushan Script"},
      {"minion pro", "Liberation Serif"},         {"Minion Pro", "Liberation Serif"},
      {"times", "Liberation Serif"},              {"TIMES", "Liberation Serif"},
      {"System", "Liberation Sans"},              {"", "Liberation Sans"},
      {"DejaVu Serif", "DejaVu Serif"},
  };
  for (const auto& [asked, family] : table) EXPECT_EQ(fw::ResolveFontFamily(asked), family) << asked;
  // Installed, and found also when the toolkit is asked by the old name.
  for (const char* family : {"Dancing Script", "Kaushan Script", "Liberation Serif", "Liberation Sans"}) {
    EXPECT_EQ(QFontInfo(QFont(family)).family(), QString(family));
  }
  EXPECT_EQ(QFontInfo(QFont("Mistral")).family(), QString("Kaushan Script"));
}

}  // namespace
