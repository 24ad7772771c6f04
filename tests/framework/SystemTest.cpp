// The beep, the Option key and the fonts asked for by name.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QTest>

#include "AltKey.h"
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

// A shown window with one label, the target of the pointer.
struct OptionKey : ::testing::Test {
  OptionKey() {
    win.create = [this](fwtest::HookWindow& w) {
      target = w.Add<fw::Label>("l", fw::Control::kNoIndex, fwtest::Place(0, 0, 50, 50)).Widget();
    };
    fwtest::ShowAndWait(win);
  }
  ~OptionKey() override { fwtest::Alt(false); }
  fwtest::HookWindow win;
  QWidget* target = nullptr;
};

// Counts the key events that reach the program.
struct KeyEventCounter : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) ++count;
    return false;
  }
};

// The key as it is, whichever window had the keyboard when it went down or
// up: also when no event of this program told of it.
TEST_F(OptionKey, IsAltAsItIsWhicheverWindowHadTheKeyboard) {
  fwtest::KeyboardTo(win.Widget());
  fwtest::Alt(true);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QTest::mouseMove(target, QPoint(10, 10));
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  fwtest::Alt(false);
  EXPECT_FALSE(fw::Keyboard::OptionKey());

  KeyEventCounter keys;
  QCoreApplication::instance()->installEventFilter(&keys);
  // Down and up in another program, the pointer moving over this one.
  fwtest::KeyboardToAnotherProgram();
  fwtest::Alt(true);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  QTest::mouseMove(target, QPoint(20, 10));
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  fwtest::Alt(false);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  QTest::mouseMove(target, QPoint(30, 10));
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  EXPECT_EQ(keys.count, 0);
  // Down in another program, up here; down here, up in another program.
  fwtest::Alt(true);
  fwtest::KeyboardTo(win.Widget());
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  fwtest::Alt(false);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  fwtest::Alt(true);
  fwtest::KeyboardToAnotherProgram();
  fwtest::Alt(false);
  fwtest::KeyboardTo(win.Widget());
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  QCoreApplication::instance()->removeEventFilter(&keys);
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
