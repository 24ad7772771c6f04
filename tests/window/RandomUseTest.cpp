// Long, seeded runs of what a user can do in any order: OK, typing odd
// numbers into the parameter fields and the y scale, the shape label, CUT,
// Restart, the toggles, both sliders and strokes on the chart with and without
// the Option key. The soak run adds what a hostile user does: texts of ten
// thousand characters, pasted text, numbers far beyond any float, strokes that
// leave the chart with the button or Alt held, Alt tapped between keys, stray
// keys and clicks, and the window shrunk to a few pixels and back. Whatever
// the order, the window stays in a sound state and (in the sanitizer build)
// nothing undefined happens on the way.
#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "WindowFixture.h"

namespace {

using fw::Integer;

const std::vector<std::string> kParameterTexts = {"",      "0",   "1", "2",   "-1",  "0.5",  "3",   "1e400", "-1e39",
                                                  "1e-45", "abc", "4", "1,5", "  7", "0x10", "nan", "1e9"};
// Whole parameter sets, param(0) to param(13), that the dialogue accepts.
const std::vector<std::vector<std::string>> kLoops = {
    {"", "", "1", "2", "", "", "", "", "4", "1", "1", "", "", "1"},
    {"", "1", "", "1", "2", "", "", "2", "3", "1", "1", "", "", "2"},
    {"", "", "1", "1", "", "", "2", "", "1", "1", "1", "", "", "0"},
    {"1", "0.5", "2", "0.3", "1", "0.1", "0", "0", "2", "1", "1", "0", "0.5", "3"},
};
const std::vector<std::string> kScaleTexts = {"100", "0", "", "-50", "1e-300", "75", "abc", "1e300", "3"};

std::string Repeat(const std::string& piece, std::size_t times) {
  std::string s;
  s.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) s += piece;
  return s;
}

// Numbers and near-numbers that a parser or a float conversion may trip on.
const std::vector<std::string>& HostileTexts() {
  static const std::vector<std::string> texts = {
      "1,5",
      "-0",
      "1e39",
      "nan",
      "NaN",
      "-nan",
      "inf",
      "-inf",
      "Infinity",
      "1e-400",
      "1e38",
      "3.4028235e38",
      "3.4028236e38",
      "-3.5e38",
      "1e308",
      "1e309",
      "-1e309",
      "4.9e-324",
      "1e-46",
      "1e2147483648",
      "1e-2147483649",
      "1e99999999999999999999",
      ".",
      "-",
      "+",
      "e",
      "1e",
      "1e+",
      "--1",
      "+-1",
      "1..2",
      "1.2.3",
      "0x1p4",
      "&h7FFFFFFF",
      "&hFFFFFFFFFFFFFFFFFF",
      "&b101",
      "&o17",
      " 1 ",
      "\t2",
      "-0.0",
      "0e0",
      "1 000",
      "1'000",
      "½",
      "１",
      "٣",
      "😀",
      "1\u00a0",
      "ß",
      "0,0000001",
      "2,",
      ",5",
      Repeat("9", 300),
      "-" + Repeat("9", 400),
      "0." + Repeat("0", 330) + "1",
      "1" + Repeat("0", 330),
      "-0." + Repeat("0", 330) + "1",
      "0." + Repeat("9", 400),
      Repeat("1", 39) + "e-30",
      "1e" + Repeat("9", 200),
      Repeat("0", 500) + "1",
      "1." + Repeat("5", 700) + "e5",
  };
  return texts;
}

// Texts of ten thousand characters, for pasting.
const std::vector<std::string>& LongTexts() {
  static const std::vector<std::string> texts = {
      Repeat("9", 10000),      Repeat("a", 10000), Repeat("1,", 5000),        "0." + Repeat("0", 9997) + "1",
      "-" + Repeat("7", 9999), Repeat("ß", 10000), Repeat("1e9", 3333) + "1", Repeat(" ", 10000),
      Repeat("Stoß", 2500),
  };
  return texts;
}

// The platform's window of the main window, where the user's keys arrive.
QWindow* Handle(QMainWindow* w) { return w != nullptr ? w->windowHandle() : nullptr; }

class RandomUse : public OpenWindow {
 protected:
  // Unlike the fixture's Click, only what a user can reach: a shown and
  // enabled control, clicked at its centre; anything else is passed over.
  void Click(fw::Control* c) {
    if (c != nullptr && c->Visible() && c->Enabled() && c->Widget() != nullptr) {
      QTest::mouseClick(c->Widget(), Qt::LeftButton, {}, QPoint(c->Width() / 2, c->Height() / 2));
    }
  }
  void Type(fw::TextField* field, const std::string& text) {
    if (field == nullptr || !field->Visible()) return;
    field->SetText("");
    QTest::keyClicks(field->Widget(), QString::fromStdString(text));
  }
  void Stroke(std::mt19937& rng, bool withOption) {
    fw::Canvas* chart = q().diagram();
    if (withOption) QTest::keyPress(chart->Widget(), Qt::Key_Alt, Qt::AltModifier);
    std::uniform_int_distribution<int> rows(-20, 420);
    const int from = std::uniform_int_distribution<int>(0, 499)(rng);
    const int to = std::uniform_int_distribution<int>(from, 520)(rng);
    for (int x = from; x <= to; x += std::uniform_int_distribution<int>(1, 14)(rng)) {
      QTest::mouseMove(chart->Widget(), QPoint(x, rows(rng)));
    }
    if (withOption) QTest::keyRelease(chart->Widget(), Qt::Key_Alt, Qt::NoModifier);
  }
  template <class T>
  const T& Pick(std::mt19937& rng, const std::vector<T>& v) {
    return v[std::uniform_int_distribution<std::size_t>(0, v.size() - 1)(rng)];
  }
  static int Roll(std::mt19937& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

  // One of the ordinary actions, chosen by rng; returns its name.
  const char* OrdinaryAction(std::mt19937& rng) {
    switch (Roll(rng, 0, 12)) {
      case 0:
      case 1:
      case 2: Click(q().LosBut()); return "OK";
      case 3:
        Type(q().param(std::uniform_int_distribution<Integer>(0, 13)(rng)), Pick(rng, kParameterTexts));
        return "parameter";
      case 4: Click(q().friLab()); return "shape";
      case 5: Click(q().CutBut()); return "CUT";
      case 6: Click(q().RestartBtn()); return "Restart";
      case 7: Click(q().BBtn(std::uniform_int_distribution<Integer>(1, 4)(rng))); return "toggle";
      case 8: q().SlidX()->SetValue(std::uniform_int_distribution<Integer>(0, 600)(rng)); return "time slider";
      case 9: q().SlidY()->SetValue(std::uniform_int_distribution<Integer>(-50, 450)(rng)); return "zero-line slider";
      case 10: Type(q().yFld(), Pick(rng, kScaleTexts)); return "y scale";
      case 11: Stroke(rng, Roll(rng, 0, 3) != 0); return "stroke";
      default: {
        const auto& loop = Pick(rng, kLoops);
        for (Integer n = 0; n < 14; ++n) Type(q().param(n), loop[static_cast<std::size_t>(n)]);
        return "loop";
      }
    }
  }

  // What must hold after every action. The first OK click leaves the start
  // phase for good; from then on s has signals 0 to 4 by steps 0 to 500 and
  // both blocks exist. The value table holds rows only in the results phase,
  // one per simulated step.
  void ExpectSound(std::uint64_t action, const char* what) {
    SCOPED_TRACE("after action " + std::to_string(action) + " (" + what + ")");
    ASSERT_NE(q().Widget(), nullptr);
    ASSERT_GE(q().Phase, 1);
    ASSERT_LE(q().Phase, 5);
    if (q().Phase != 1) started_ = true;
    const Integer rows = q().SigLst()->ListCount();
    if (!started_) {
      EXPECT_EQ(q().Time, 0);
      EXPECT_EQ(q().s.SignalBound(), 0);
      EXPECT_EQ(q().s.StepBound(), 0);
      EXPECT_EQ(q().Bx(1), nullptr);
    } else {
      ASSERT_NE(q().Phase, 1) << "back in the start phase";
      EXPECT_EQ(q().s.SignalBound(), 4);
      EXPECT_EQ(q().s.StepBound(), 500);
      ASSERT_NE(q().Bx(1), nullptr);
      ASSERT_NE(q().Bx(2), nullptr);
      EXPECT_EQ(q().Bx(3), nullptr);
      EXPECT_TRUE(q().Time == 50 || q().Time == 500) << q().Time;
    }
    if (q().Phase == 5) {
      EXPECT_EQ(rows, q().Time + 1);
    } else {
      EXPECT_EQ(rows, 0);
    }
    const bool toggles = q().BBtn(1) != nullptr;
    for (Integer i = 2; i <= 4; ++i) EXPECT_EQ(q().BBtn(i) != nullptr, toggles) << i;
    EXPECT_EQ(q().BBtn(5), nullptr);
    EXPECT_EQ(q().ix.size(), q().iy.size());
    EXPECT_GE(q().ix.size(), 1u);
    EXPECT_LE(q().ix.size(), 51u) << ::testing::PrintToString(q().ix);
    EXPECT_FALSE(q().Instruction()->Text().empty());
    const std::string shape = q().friFld()->Text();
    EXPECT_TRUE(shape.empty() || shape == " " || shape == "Sprung" || shape == "Stoß" || shape == "Hand") << shape;

    // The window still answers: a queued call runs, its controls are there
    // and it keeps its minimum size.
    bool answered = false;
    QTimer::singleShot(0, q().Widget(), [&answered] { answered = true; });
    QCoreApplication::processEvents();
    EXPECT_TRUE(answered);
    EXPECT_TRUE(q().Widget()->isVisible());
    EXPECT_NE(q().LosBut(), nullptr);
    for (Integer n = 0; n < 14; ++n) EXPECT_NE(q().param(n), nullptr) << n;
    EXPECT_GE(q().Width(), 64);
    EXPECT_GE(q().Height(), 64);
  }

 private:
  bool started_ = false;  // the first OK click has been made
};

TEST_F(RandomUse, AnyOrderOfActionsKeepsTheWindowSound) {
  std::mt19937 rng(20261210);
  q().Widget()->show();
  for (int action = 0; action < 400; ++action) {
    const char* what = OrdinaryAction(rng);
    ExpectSound(static_cast<std::uint64_t>(action), what);
    if (HasFatalFailure()) return;
  }
}

// A number from the environment, or fallback when it is unset or unreadable.
std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return fallback;
  char* end = nullptr;
  const unsigned long long v = std::strtoull(text, &end, 10);
  return *end == '\0' ? v : fallback;
}

class Soak : public RandomUse {
 protected:
  void SetUp() override {
    RandomUse::SetUp();
    QMainWindow* w = q().Widget();
    w->show();
    w->activateWindow();
    (void)QTest::qWaitForWindowActive(w);
    normalSize_ = w->size();
  }
  void TearDown() override {
    // Nothing stays held for the tests that follow in this process.
    if (QWindow* w = Keys()) QTest::keyRelease(w, Qt::Key_Alt);
    if (buttonHeld_) QTest::mouseRelease(q().diagram()->Widget(), Qt::LeftButton);
    RandomUse::TearDown();
  }

  QWindow* Keys() { return Handle(q().Widget()); }
  void Tap(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    if (QWindow* w = Keys()) QTest::keyClick(w, key, mods);
  }
  // Types text at the keyboard focus, key by key, as the platform delivers
  // it; with altTaps, Alt is tapped now and then between the keys.
  void TypeAtFocus(std::mt19937& rng, const std::string& text, bool altTaps) {
    QWindow* w = Keys();
    if (w == nullptr) return;
    for (const QChar ch : QString::fromStdString(text)) {
      if (altTaps && Roll(rng, 0, 3) == 0) Tap(Qt::Key_Alt);
      const char16_t u = ch.toUpper().unicode();
      const auto key = (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') ? static_cast<Qt::Key>(u) : Qt::Key_unknown;
      QTest::sendKeyEvent(QTest::Click, w, key, QString(ch), Qt::NoModifier);
    }
  }

  fw::TextField* SomeField(std::mt19937& rng) {
    const int n = Roll(rng, 0, 16);
    if (n == 14) return q().yFld();
    if (n == 15) return q().friFld();
    if (n == 16) return q().param(Roll(rng, 0, 13));
    return q().param(n);
  }
  // Into the field by a click, as the user does, and all of its text selected
  // or (in a short text) the cursor at its end. Keys typed into a text of
  // thousands of characters take milliseconds each; TypeLong does a few.
  void Focus(std::mt19937& rng, fw::TextField* field) {
    Click(field);
    const bool shortText = field != nullptr && field->Text().size() < 1000;
    if (shortText && Roll(rng, 0, 2) == 0) {
      Tap(Qt::Key_End);
    } else {
      Tap(Qt::Key_A, Qt::ControlModifier);
    }
  }

  void Paste(std::mt19937& rng) {
    const std::string& text = Roll(rng, 0, 2) == 0 ? Pick(rng, LongTexts()) : Pick(rng, HostileTexts());
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
    Focus(rng, SomeField(rng));
    Tap(Qt::Key_V, Qt::ControlModifier);
  }
  // A hostile text typed key by key; one of hundreds of characters is pasted
  // (typing it would cost a second).
  void TypeHostile(std::mt19937& rng, bool altTaps) {
    const std::string& text = Pick(rng, HostileTexts());
    Focus(rng, SomeField(rng));
    if (text.size() > 100) {
      QGuiApplication::clipboard()->setText(QString::fromStdString(text));
      Tap(Qt::Key_V, Qt::ControlModifier);
    } else {
      TypeAtFocus(rng, text, altTaps);
    }
    if (Roll(rng, 0, 2) == 0) Tap(Qt::Key_Return);
  }
  // A few keys, Alt taps among them, at the end of ten thousand characters.
  void TypeLong(std::mt19937& rng) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(Pick(rng, LongTexts())));
    Focus(rng, SomeField(rng));
    Tap(Qt::Key_V, Qt::ControlModifier);
    Tap(Qt::Key_End);
    TypeAtFocus(rng, Pick(rng, HostileTexts()).substr(0, static_cast<std::size_t>(Roll(rng, 1, 12))), true);
  }

  // A stroke that starts anywhere near the chart and runs through points past
  // its edges, far right (540 and beyond) and left of 0, with the button or
  // Alt held or both. With the button held the chart keeps the pointer, as
  // a grab does; without, the moves reach whatever lies under the pointer.
  void WildStroke(std::mt19937& rng) {
    QWidget* chart = q().diagram()->Widget();
    const bool button = Roll(rng, 0, 1) == 0;
    const bool alt = Roll(rng, 0, 3) != 0;
    static const std::vector<int> kEdges = {-100000, -600, -50, -1,  0,    499,  500,   501,
                                            539,     540,  541, 600, 1200, 5000, 100000};
    std::uniform_int_distribution<int> rows(-60, 460);
    QPoint at(Roll(rng, -50, 560), rows(rng));
    if (alt) QTest::keyPress(Keys(), Qt::Key_Alt, Qt::AltModifier);
    if (button) {
      QTest::mousePress(chart, Qt::LeftButton, alt ? Qt::AltModifier : Qt::NoModifier, at);
      buttonHeld_ = true;
    }
    for (int leg = Roll(rng, 1, 4); leg > 0; --leg) {
      const QPoint to(Roll(rng, 0, 2) == 0 ? Roll(rng, -100, 700) : Pick(rng, kEdges),
                      Roll(rng, 0, 5) == 0 ? Roll(rng, -100000, 100000) : rows(rng));
      const int dx = to.x() - at.x(), dy = to.y() - at.y();
      const int steps = std::min(std::max(std::abs(dx), std::abs(dy)) / Roll(rng, 1, 12) + 1, 120);
      for (int i = 1; i <= steps; ++i) {
        QTest::mouseMove(chart, QPoint(at.x() + static_cast<int>(std::int64_t{dx} * i / steps),
                                       at.y() + static_cast<int>(std::int64_t{dy} * i / steps)));
      }
      at = to;
    }
    if (button) {
      QTest::mouseRelease(chart, Qt::LeftButton, {}, at);
      buttonHeld_ = false;
    }
    if (alt) QTest::keyRelease(Keys(), Qt::Key_Alt);
  }
  // An Option-key stroke left to right across the chart in small steps: with
  // the shape "Hand" it draws a whole curve, so runs of 50 steps happen.
  void CurveStroke(std::mt19937& rng) {
    QWidget* chart = q().diagram()->Widget();
    QTest::keyPress(Keys(), Qt::Key_Alt, Qt::AltModifier);
    for (int x = Roll(rng, 0, 3); x <= 520; x += Roll(rng, 1, 10)) {
      QTest::mouseMove(chart, QPoint(x, Roll(rng, 40, 360)));
    }
    QTest::keyRelease(Keys(), Qt::Key_Alt);
  }

  // A loop the dialogue accepts, typed into all fourteen fields, then OK.
  void LoopAndOk(std::mt19937& rng) {
    const auto& loop = Pick(rng, kLoops);
    for (Integer n = 0; n < 14; ++n) Type(q().param(n), loop[static_cast<std::size_t>(n)]);
    Click(q().LosBut());
  }
  // The shape label clicked on to "Hand", a curve drawn, then OK.
  void HandInputAndOk(std::mt19937& rng) {
    for (int i = 0; i < 4 && q().friFld()->Visible() && q().friFld()->Text() != "Hand"; ++i) Click(q().friLab());
    CurveStroke(rng);
    Click(q().LosBut());
  }

  // The window resized as the user drags its corner: down to a few pixels,
  // to any size, or back to the size it opened with.
  void Resize(std::mt19937& rng) {
    QMainWindow* w = q().Widget();
    switch (Roll(rng, 0, 2)) {
      case 0: w->resize(Roll(rng, 1, 8), Roll(rng, 1, 8)); break;
      case 1: w->resize(Roll(rng, 1, 1600), Roll(rng, 1, 1000)); break;
      case 2: w->resize(normalSize_); break;
    }
    if (Roll(rng, 0, 1) == 0) {
      QCoreApplication::processEvents();
      w->resize(normalSize_);
    }
  }

  // One key at the keyboard focus: moving the focus, Return and Space on
  // whatever holds it, editing keys and shortcuts, Alt alone or with a menu
  // letter. Quitting is left out: it is not a fault.
  void StrayKey(std::mt19937& rng) {
    struct Stroke {
      Qt::Key key;
      Qt::KeyboardModifiers mods;
    };
    static const std::vector<Stroke> kKeys = {
        {Qt::Key_Tab, {}},
        {Qt::Key_Backtab, Qt::ShiftModifier},
        {Qt::Key_Return, {}},
        {Qt::Key_Enter, {}},
        {Qt::Key_Space, {}},
        {Qt::Key_Escape, {}},
        {Qt::Key_Alt, {}},
        {Qt::Key_F10, {}},
        {Qt::Key_Up, {}},
        {Qt::Key_Down, {}},
        {Qt::Key_PageUp, {}},
        {Qt::Key_Home, {}},
        {Qt::Key_End, {}},
        {Qt::Key_Delete, {}},
        {Qt::Key_Backspace, {}},
        {Qt::Key_Z, Qt::ControlModifier},
        {Qt::Key_X, Qt::ControlModifier},
        {Qt::Key_C, Qt::ControlModifier},
        {Qt::Key_A, Qt::ControlModifier},
        {Qt::Key_V, Qt::ControlModifier},
        {Qt::Key_A, Qt::AltModifier},
        {Qt::Key_B, Qt::AltModifier},
        {Qt::Key_5, Qt::AltModifier},
    };
    const Stroke& s = Pick(rng, kKeys);
    Tap(s.key, s.mods);
  }

  // A click, or a double click, anywhere on any control, shown or not.
  void ClickAnything(std::mt19937& rng) {
    const std::vector<fw::Control*> all = q().Controls();
    fw::Control* c = Pick(rng, all);
    if (c == nullptr || c->Widget() == nullptr || !c->Widget()->isVisible()) return;
    const QPoint at(Roll(rng, 0, std::max(0, c->Widget()->width() - 1)),
                    Roll(rng, 0, std::max(0, c->Widget()->height() - 1)));
    if (Roll(rng, 0, 3) == 0) {
      QTest::mouseDClick(c->Widget(), Qt::LeftButton, {}, at);
    } else {
      QTest::mouseClick(c->Widget(), Qt::LeftButton, {}, at);
    }
  }

  // Whatever popup a key opened is closed, as the user does with Escape.
  void ClosePopups() {
    for (int i = 0; i < 4 && QApplication::activePopupWidget() != nullptr; ++i) {
      QApplication::activePopupWidget()->close();
    }
  }

  void TypeKeys(std::mt19937& rng) { TypeHostile(rng, false); }
  void TypeKeysWithAltTaps(std::mt19937& rng) { TypeHostile(rng, true); }

  // One action, chosen by rng with these weights; returns its name. The
  // ordinary actions make up two fifths, so runs still reach the results.
  const char* HostileAction(std::mt19937& rng) {
    struct Kind {
      double weight;
      const char* name;
      void (Soak::*run)(std::mt19937&);
    };
    static const std::vector<Kind> kKinds = {
        {9, "typed text", &Soak::TypeKeys},
        {6, "typed text with Alt taps", &Soak::TypeKeysWithAltTaps},
        {9, "pasted text", &Soak::Paste},
        {3, "keys after a long text", &Soak::TypeLong},
        {8, "stroke off the chart", &Soak::WildStroke},
        {3, "curve stroke", &Soak::CurveStroke},
        {4, "resize", &Soak::Resize},
        {6, "stray key", &Soak::StrayKey},
        {6, "click anywhere", &Soak::ClickAnything},
        {4, "loop and OK", &Soak::LoopAndOk},
        {3, "hand-drawn input and OK", &Soak::HandInputAndOk},
    };
    static const double kOrdinary = 40;
    std::vector<double> weights = {kOrdinary};
    for (const Kind& k : kKinds) weights.push_back(k.weight);
    const auto pick = static_cast<std::size_t>(std::discrete_distribution<int>(weights.begin(), weights.end())(rng));
    const char* what = nullptr;
    if (pick == 0) {
      what = OrdinaryAction(rng);
    } else {
      const Kind& k = kKinds[pick - 1];
      (this->*k.run)(rng);
      what = k.name;
    }
    ClosePopups();
    return what;
  }

  QSize normalSize_;
  bool buttonHeld_ = false;
};

// Ten thousand actions by default; QUENLO_SOAK_SEED (a 32-bit number) replays
// another run and QUENLO_SOAK_ACTIONS makes it longer or shorter. A failure
// names the seed, the action's index and its kind.
TEST_F(Soak, TenThousandHostileActionsKeepTheWindowSound) {
  const auto seed = static_cast<std::uint32_t>(FromEnvironment("QUENLO_SOAK_SEED", 20261211));
  const std::uint64_t actions = FromEnvironment("QUENLO_SOAK_ACTIONS", 10000);
  SCOPED_TRACE("seed " + std::to_string(seed) + " (replay: QUENLO_SOAK_SEED=" + std::to_string(seed) + ")");
  std::mt19937 rng(seed);
  for (std::uint64_t action = 0; action < actions; ++action) {
    const char* what = HostileAction(rng);
    ExpectSound(action, what);
    if (HasFailure()) break;
  }
}

}  // namespace
