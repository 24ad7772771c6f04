// The beep, the Option key and the fonts asked for by name.
#include <gtest/gtest.h>

#include <QAction>
#include <QFont>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <memory>
#include <sstream>

#include "AltKey.h"
#include "Fixture.h"
#include "Label.h"
#include "System.h"
#include "detail/ApplicationInternal.h"

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

// The right-hand Alt key is AltGr on a German layout: it is the Option key
// too, here and while another program has the keyboard.
TEST_F(OptionKey, IsEitherAltKeyAltGrToo) {
  fwtest::KeyboardTo(win.Widget());
  fwtest::AltGr(true);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  fwtest::AltGr(false);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  fwtest::KeyboardToAnotherProgram();
  fwtest::AltGr(true);
  EXPECT_TRUE(fw::Keyboard::OptionKey());
  fwtest::AltGr(false);
  EXPECT_FALSE(fw::Keyboard::OptionKey());
  fwtest::KeyboardTo(win.Widget());
}

// The toolkit speaks German in every locale: a field's own context menu and
// the scroll bar's. Without the translation the program still starts, and
// says so once.
TEST(ToolkitTexts, AreGermanAndAMissingTranslationIsTold) {
  QLineEdit field;
  const auto texts = [&field] {
    std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList t;
    for (QAction* a : menu->actions()) {
      if (!a->isSeparator()) t << a->text();
    }
    return t.join(QLatin1Char('|')).toStdString();
  };
  const std::string german = texts();
  for (const char* expected : {"&Rückgängig", "&Kopieren", "Alles auswählen"}) {
    EXPECT_NE(german.find(expected), std::string::npos) << german;
  }
  EXPECT_EQ(QCoreApplication::translate("QScrollBar", "Scroll here").toStdString(), "Hierher scrollen");

  std::ostringstream told;
  EXPECT_FALSE(fw::detail::InstallToolkitTranslation(QStringLiteral("/nonexistent/quenlo"), told));
  const std::string message = told.str();
  EXPECT_NE(message.find("qtbase_de.qm"), std::string::npos) << message;
  EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1);
  EXPECT_EQ(texts(), german);  // what was installed stays
}

TEST(Fonts, NamesMapToTheInstalledStandIns) {
  const std::pair<const char*, const char*> table[] = {
      {"Handwriting - Dakota", "Dancing Script"},
      {"Mistral", "Kaushan Script"},
      {"minion pro", "Liberation Serif"},
      {"Minion Pro", "Liberation Serif"},
      {"times", "Liberation Serif"},
      {"TIMES", "Liberation Serif"},
      {"System", "Liberation Sans"},
      {"", "Liberation Sans"},
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
