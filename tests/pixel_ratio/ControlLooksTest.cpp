// Every kind of control as the window shows it in the states of a run, on
// the screen of ratio 1 and on the one of ratio 2. What each control should
// show is made here from its stored figures alone: where the toolkit's style
// paints the control, a bare Qt widget of the same place, size, font, text,
// alignment, colours and value stands beneath it and the two grabs are the
// same pixels; where the framework paints the control itself (the bevel
// buttons, the area letter, the value table's frame), its text, font, size,
// colours, frame and pressed face are checked against plain Qt drawing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTableView>
#include <QTest>

#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "BevelButton.h"
#include "Listbox.h"
#include "SamePicture.h"
#include "WindowFixture.h"

namespace {

// The fonts the control table names, as the set-up installs them.
constexpr const char* kSystem = "Liberation Sans";
constexpr const char* kDakota = "Dancing Script";
constexpr const char* kMistral = "Kaushan Script";
// A stored text size of 0 stands for the framework's 12 pixels.
constexpr int kDefaultSize = 12;

QFont FontOf(const char* family, int pixels, bool bold = false) {
  QFont f{QString::fromUtf8(family)};
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

QImage GrabOf(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

// What a stored control should look like in one state of the run.
enum class Kind {
  Field,   // a text field, painted by the style
  Button,  // a push button, painted by the style
  Slider,  // painted by the style
  Label,   // a label whose text fits: the toolkit's own label
  Letter,  // the area letter, moved inside its label by the framework
  Bevel,   // a bevel button: the framework's own face and frame
  Table,   // the value table: the framework's frame, the style's scroll bar
};

struct Seen {
  std::string name;
  std::function<fw::Control*(Q&)> control;
  Kind kind;
  QRect place;  // Left, Top, Width, Height in window pixels
  QFont font;
  QString text;
  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
  QColor ink = Qt::black;
  QColor back = Qt::white;
  bool enabled = true;
  bool focus = false;                       // the control has the keyboard focus
  int minimum = 0, maximum = 0, value = 0;  // a slider's
  bool wrap = false;                        // a label of several lines
  bool bevel = false;                       // Bevel 1: a raised frame (else a thin line)
  bool pressed = false;                     // a bevel button's Value
  QColor face;                              // a bevel button's raised face
};

Seen Make(std::string name, std::function<fw::Control*(Q&)> get, Kind kind, QRect place, QFont font = {},
          const char* text = "") {
  Seen s;
  s.name = std::move(name);
  s.control = std::move(get);
  s.kind = kind;
  s.place = place;
  s.font = std::move(font);
  s.text = QString::fromUtf8(text);
  return s;
}

// The controls of the table, each with its stored figures; a state changes
// what the run changes.
Seen YFld() {
  return Make(
      "yFld", [](Q& q) { return q.yFld(); }, Kind::Field, {650, 9, 49, 28}, FontOf(kSystem, 20), "100");
}
// param(n) after its Open handler: 70 x 30 on the parameter grid, 20 pixels.
Seen Param(int n, const char* text) {
  return Make(
      "param(" + std::to_string(n) + ")", [n](Q& q) { return q.param(n); }, Kind::Field,
      {428 + 110 * (n / 7), 456 + 33 * (n % 7), 70, 30}, FontOf(kSystem, 20), text);
}
Seen FriFld(const char* text) {
  Seen s = Make(
      "friFld", [](Q& q) { return q.friFld(); }, Kind::Field, {905, 588, 80, 35}, FontOf(kSystem, 21), text);
  s.back = QColor(72, 255, 154);
  s.enabled = false;
  return s;
}
Seen OkButton() {
  return Make(
      "LosBut", [](Q& q) { return q.LosBut(); }, Kind::Button, {649, 590, 112, 106}, FontOf(kSystem, 48, true), "OK");
}
Seen Restart(bool enabled) {
  Seen s = Make(
      "RestartBtn", [](Q& q) { return q.RestartBtn(); }, Kind::Button, {1102, 603, 88, 86}, FontOf(kSystem, 18),
      "Restart");
  s.enabled = enabled;
  return s;
}
// SlidY 0 to 400 at the zero line's value; SlidX 10 to 500, moved by its
// Open handler to 5 pixels left of the chart.
Seen SlidY(int value) {
  Seen s = Make("SlidY", [](Q& q) { return q.SlidY(); }, Kind::Slider, {654, 40, 25, 417});
  s.minimum = 0, s.maximum = 400, s.value = value;
  return s;
}
Seen SlidX(int value) {
  Seen s = Make("SlidX", [](Q& q) { return q.SlidX(); }, Kind::Slider, {686, 457, 510, 23});
  s.minimum = 10, s.maximum = 500, s.value = value;
  return s;
}
Seen Label(const char* name, std::function<fw::Control*(Q&)> get, QRect place, QFont font, const char* text) {
  return Make(name, std::move(get), Kind::Label, place, std::move(font), text);
}
Seen Instruction(const char* text) {
  Seen s = Label(
      "Instruction", [](Q& q) { return q.Instruction(); }, {649, 506, 540, 67}, FontOf(kDakota, 32), text);
  s.ink = Qt::red;
  s.wrap = true;
  s.align = Qt::AlignLeft | Qt::AlignTop;
  return s;
}
Seen TimeLab(const char* text) {
  Seen s = Label(
      "TimeLab", [](Q& q) { return q.TimeLab(); }, {1150, 481, 44, 20}, FontOf(kSystem, 18), text);
  s.align = Qt::AlignHCenter | Qt::AlignVCenter;
  return s;
}
Seen Label1() {
  Seen s = Label(
      "Label1", [](Q& q) { return q.Label1(); }, {709, 12, 25, 20}, FontOf(kSystem, 20), "%");
  s.enabled = false;
  return s;
}
Seen ReglerStrecke() {
  return Label(
      "ReglerStrecke", [](Q& q) { return q.ReglerStrecke(); }, {429, 420, 193, 32}, FontOf(kSystem, 23),
      "Regler     Strecke");
}
Seen Clb() {
  Seen s = Make(
      "Clb", [](Q& q) { return q.Clb(); }, Kind::Letter, {417, 329, 33, 49}, FontOf(kMistral, 50), "C");
  s.ink = Qt::red;
  return s;
}
Seen CutBut(bool pressed) {
  Seen s = Make(
      "CutBut", [](Q& q) { return q.CutBut(); }, Kind::Bevel, {770, 591, 53, 101}, FontOf(kSystem, 18, true), "CUT");
  s.bevel = true;
  s.pressed = pressed;
  s.face = Qt::black;
  // Its black caption shows white on the black face, where it would not
  // stand out, and black on the lighter pressed face.
  s.ink = pressed ? Qt::black : Qt::white;
  return s;
}
// The toggle "x" over the value table's first signal column.
Seen ToggleX(bool pressed) {
  Seen s = Make(
      "BBtn(1)", [](Q& q) { return q.BBtn(1); }, Kind::Bevel, {65, 316, 40, 20}, FontOf(kSystem, kDefaultSize), "x");
  s.pressed = pressed;
  s.face = QApplication::palette().color(QPalette::Button);  // no back colour of its own
  return s;
}
Seen SigLst() {
  return Make(
      "SigLst", [](Q& q) { return q.SigLst(); }, Kind::Table, {10, 340, 400, 355}, FontOf(kSystem, 16));
}

class ControlLooks : public OpenWindow, public ::testing::WithParamInterface<double> {
 protected:
  void SetUp() override {
    ASSERT_EQ(QGuiApplication::screens().size(), 3) << "the platform's screen configuration is missing";
    // A text cursor that does not blink: a focused field looks the same from
    // one grab to the next.
    QApplication::setCursorFlashTime(0);
    OpenWindow::SetUp();
    q().Widget()->move(GetParam() == 2.0 ? 1500 : 50, 50);
    ASSERT_TRUE(fwtest::ShowAndWait(q()));
    QTRY_COMPARE(q().Widget()->devicePixelRatioF(), GetParam());
    QWidget* top = q().Widget();
    top->activateWindow();
    QApplication::setActiveWindow(top);
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }
  void TearDown() override {
    OpenWindow::TearDown();
    QApplication::setCursorFlashTime(1000);
  }
  double Ratio() const { return GetParam(); }

  // A bare widget at the stored place, beneath the control it stands for.
  template <class W>
  std::unique_ptr<W> Beneath(QWidget* real, const Seen& s) {
    auto w = std::make_unique<W>(real->parentWidget());
    w->setGeometry(s.place);
    w->setFont(s.font);
    w->setEnabled(s.enabled);
    w->stackUnder(real);
    return w;
  }
  // The real control and its stand-in grabbed alike: each with the focus if
  // the real one has it.
  static ::testing::AssertionResult Compare(QWidget* real, QWidget* bare, bool focus) {
    QApplication::processEvents();
    const QImage got = GrabOf(real);
    if (focus) {
      bare->setFocus(Qt::OtherFocusReason);
      QApplication::processEvents();
    }
    const QImage want = GrabOf(bare);
    if (focus) real->setFocus(Qt::OtherFocusReason);
    return fwtest::SamePicture(got, want);
  }

  void Expect(const Seen& s, const std::string& state) {
    SCOPED_TRACE(state + ": " + s.name);
    fw::Control* c = s.control(q());
    ASSERT_NE(c, nullptr);
    QWidget* w = c->Widget();
    ASSERT_TRUE(w->isVisible());
    EXPECT_EQ(QRect(w->mapTo(q().ContentArea(), QPoint(0, 0)), w->size()), s.place);
    EXPECT_EQ(w->isEnabled(), s.enabled);
    if (s.focus) {
      w->setFocus(Qt::OtherFocusReason);
      QApplication::processEvents();
      ASSERT_TRUE(w->hasFocus());
    }
    switch (s.kind) {
      case Kind::Field: {
        auto bare = Beneath<QLineEdit>(w, s);
        QPalette pal = bare->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
          pal.setColor(group, QPalette::Base, s.back);
        pal.setColor(QPalette::Active, QPalette::Text, s.ink);
        pal.setColor(QPalette::Inactive, QPalette::Text, s.ink);
        pal.setColor(QPalette::Disabled, QPalette::Text, QColor(90, 90, 90));  // a disabled field's text
        bare->setPalette(pal);
        bare->setAlignment(s.align);
        bare->setText(s.text);
        bare->show();
        EXPECT_TRUE(Compare(w, bare.get(), s.focus));
        break;
      }
      case Kind::Button: {
        auto bare = Beneath<QPushButton>(w, s);
        bare->setAutoDefault(false);
        bare->setText(s.text);
        bare->show();
        EXPECT_TRUE(Compare(w, bare.get(), w->hasFocus()));
        break;
      }
      case Kind::Slider: {
        auto bare = Beneath<QSlider>(w, s);
        bare->setOrientation(s.place.height() > s.place.width() ? Qt::Vertical : Qt::Horizontal);
        bare->setRange(s.minimum, s.maximum);
        bare->setValue(s.value);
        bare->setSingleStep(1);
        bare->setPageStep(20);
        bare->setTracking(false);
        bare->show();
        EXPECT_TRUE(Compare(w, bare.get(), w->hasFocus()));
        break;
      }
      case Kind::Label: {
        auto bare = Beneath<QLabel>(w, s);
        QPalette pal = bare->palette();
        pal.setColor(QPalette::Active, QPalette::WindowText, s.ink);
        pal.setColor(QPalette::Inactive, QPalette::WindowText, s.ink);
        bare->setPalette(pal);
        bare->setTextFormat(Qt::PlainText);
        bare->setAlignment(s.align);
        bare->setWordWrap(s.wrap);
        bare->setText(s.text);
        bare->show();
        EXPECT_TRUE(Compare(w, bare.get(), false));
        break;
      }
      case Kind::Letter: ExpectLetter(w, s); break;
      case Kind::Bevel: ExpectBevel(w, s); break;
      case Kind::Table: ExpectTable(w, s); break;
    }
  }

  // A run of the states: each reached from the one before, each with the
  // controls it shows.
  struct State {
    const char* name;
    std::function<void()> reach;
    std::vector<Seen> seen;
  };
  void Walk(const std::vector<State>& states) {
    for (const State& st : states) {
      st.reach();
      QTest::mouseMove(q().Widget(), QPoint(1195, 5));  // the pointer over no control
      QApplication::processEvents();
      for (const Seen& s : st.seen) Expect(s, st.name);
    }
  }

 private:
  // The letter in its stored font and colour lies whole inside its label, in
  // the middle of it both ways.
  void ExpectLetter(QWidget* w, const Seen& s) {
    auto* label = qobject_cast<QLabel*>(w);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), s.text);
    EXPECT_EQ(label->font().family(), s.font.family());
    EXPECT_EQ(label->font().pixelSize(), s.font.pixelSize());
    const QImage shot = GrabOf(w);
    const QRgb ground = shot.pixel(0, 0);
    const auto inkOf = [ground](const QImage& image) {
      QRect ink;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixel(x, y) != ground) ink |= QRect(x, y, 1, 1);
      return ink;
    };
    const QRect ink = inkOf(shot);
    ASSERT_FALSE(ink.isEmpty());
    int pure = 0;
    for (int y = 0; y < shot.height(); ++y)
      for (int x = 0; x < shot.width(); ++x) pure += shot.pixelColor(x, y) == s.ink;
    EXPECT_GT(pure, 20) << "the letter's colour";
    // What the same letter covers drawn by plain Qt, at its natural place.
    QImage free(shot.size() * 3, QImage::Format_ARGB32);
    free.setDevicePixelRatio(Ratio());
    free.fill(QColor(ground));
    {
      QPainter p(&free);
      p.setFont(s.font);
      p.setPen(s.ink);
      p.drawText(QRect(QPoint(s.place.width(), s.place.height()), s.place.size()), Qt::AlignLeft | Qt::AlignVCenter,
                 s.text);
    }
    const QRect natural = inkOf(free);
    // The letter fits the label's height and keeps its line's place up and
    // down; it is wider than the label's right part and is moved to the
    // middle of the label across.
    const int r = static_cast<int>(Ratio());
    const int natTop = natural.top() - s.place.height() * r;
    const int left = ink.left(), right = shot.width() - 1 - ink.right();
    EXPECT_EQ(ink.top(), natTop) << "ink " << ink.top() << ".." << ink.bottom() << ", natural " << natTop;
    EXPECT_EQ(ink.height(), natural.height());
    EXPECT_GE(std::min(left, right), 0);
    EXPECT_LE(std::abs(left - right), r) << "left " << left << " right " << right;
  }

  // The bevel button: its caption in the stored font, centred on a face of
  // the stored colour, a frame on all four sides, and a pressed face and
  // frame unlike the raised ones.
  void ExpectBevel(QWidget* w, const Seen& s) {
    auto* b = qobject_cast<QAbstractButton*>(w);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->text(), s.text);
    EXPECT_EQ(b->font().family(), s.font.family());
    EXPECT_EQ(b->font().pixelSize(), s.font.pixelSize());
    EXPECT_EQ(b->font().bold(), s.font.bold());
    const QImage shot = GrabOf(w);
    const int r = static_cast<int>(Ratio());
    const int wd = shot.width(), ht = shot.height();
    ASSERT_EQ(QSize(wd, ht), s.place.size() * r);
    // The face, just inside the frame on the middle column above the caption.
    const QColor face = shot.pixelColor(wd / 2, 3 * r);
    if (s.pressed) {
      EXPECT_NE(face, s.face) << "the pressed face looks raised";
    } else {
      EXPECT_EQ(face, s.face);
    }
    // A line all round at that many device pixels in: one colour above and
    // left, one below and right (the corners may meet in either).
    const auto ring = [&](int in, const char* what) {
      const QColor topLeft = shot.pixelColor(wd / 2, in);
      const QColor bottomRight = shot.pixelColor(wd / 2, ht - 1 - in);
      int top = 0, bottom = 0, left = 0, right = 0;
      for (int x = in + 1; x < wd - 1 - in; ++x) {
        top += shot.pixelColor(x, in) != topLeft;
        bottom += shot.pixelColor(x, ht - 1 - in) != bottomRight;
      }
      for (int y = in + 1; y < ht - 1 - in; ++y) {
        left += shot.pixelColor(in, y) != topLeft;
        right += shot.pixelColor(wd - 1 - in, y) != bottomRight;
      }
      EXPECT_EQ(top + bottom + left + right, 0)
          << what << " broken: top " << top << ", bottom " << bottom << ", left " << left << ", right " << right;
      // On a black face a black line shows no more than the face.
      if (face != QColor(Qt::black)) {
        EXPECT_NE(topLeft, face) << what;
        EXPECT_NE(bottomRight, face) << what;
      }
      return std::make_pair(topLeft, bottomRight);
    };
    int inner = 1;  // device pixels inside the lines: the face
    if (s.bevel) {
      // A black outline and, one pixel inside it, the bevel: light above and
      // left while raised, dark there while pressed.
      const auto [outTop, outBottom] = ring(0, "outline");
      EXPECT_EQ(outTop, QColor(Qt::black));
      EXPECT_EQ(outBottom, QColor(Qt::black));
      for (int k = 1; k < r; ++k) EXPECT_EQ(shot.pixelColor(wd / 2, k), face) << "between outline and bevel";
      const auto [light, dark] = ring(r, "bevel");
      EXPECT_EQ(light.lightness() < dark.lightness(), s.pressed) << "the bevel's light and dark sides";
      inner = r + 1;
    } else {
      const auto [top, bottom] = ring(0, "frame");
      EXPECT_EQ(top, bottom);
    }
    for (int k = inner; k < 3 * r; ++k) EXPECT_EQ(shot.pixelColor(wd / 2, k), face) << "face at row " << k;
    // Inside the frame: the face and the caption centred on it, moved a
    // pixel down and right while pressed, as plain Qt draws them.
    QImage want(shot.size(), QImage::Format_ARGB32);
    want.setDevicePixelRatio(Ratio());
    want.fill(face);
    {
      QPainter p(&want);
      p.setFont(s.font);
      p.setPen(s.ink);
      const QRect area(QPoint(0, 0), s.place.size());
      p.drawText(s.pressed ? area.translated(1, 1) : area, Qt::AlignCenter, s.text);
    }
    const int m = 2 * r;
    EXPECT_TRUE(fwtest::SamePicture(shot.copy(m, m, wd - 2 * m, ht - 2 * m), want.copy(m, m, wd - 2 * m, ht - 2 * m)))
        << "face and caption";
  }

  // The value table: the frame of a bare table view on all four sides, the
  // scroll bar of a bare table of as many rows, the cells in the stored font.
  void ExpectTable(QWidget* w, const Seen& s) {
    auto* view = qobject_cast<QTableView*>(w);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->font().family(), s.font.family());
    EXPECT_EQ(view->font().pixelSize(), s.font.pixelSize());
    EXPECT_TRUE(view->verticalScrollBar()->isVisible());
    EXPECT_FALSE(view->horizontalScrollBar()->isVisible());
    auto bare = Beneath<QTableView>(w, s);
    QStandardItemModel rows(view->model()->rowCount(), view->model()->columnCount());
    bare->setModel(&rows);
    bare->horizontalHeader()->hide();
    bare->verticalHeader()->hide();
    bare->verticalHeader()->setMinimumSectionSize(0);
    bare->verticalHeader()->setDefaultSectionSize(view->rowHeight(0));
    bare->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    bare->show();
    bare->verticalScrollBar()->setValue(view->verticalScrollBar()->value());
    QApplication::processEvents();
    const QImage got = GrabOf(w), want = GrabOf(bare.get());
    ASSERT_EQ(got.size(), want.size());
    const int wd = got.width(), ht = got.height();
    // The outermost device pixels all round: the frame's one colour on all
    // four sides (the corners may meet otherwise), where the style draws it
    // the same pixels as the bare table's.
    const QRgb frame = got.pixel(wd / 2, 0);
    int wrong = 0, unlikeBare = 0;
    for (int x = 1; x < wd - 1; ++x) {
      wrong += (got.pixel(x, 0) != frame) + (got.pixel(x, ht - 1) != frame);
      unlikeBare += (got.pixel(x, 0) != want.pixel(x, 0)) + (got.pixel(x, ht - 1) != want.pixel(x, ht - 1));
    }
    for (int y = 1; y < ht - 1; ++y) {
      wrong += (got.pixel(0, y) != frame) + (got.pixel(wd - 1, y) != frame);
      unlikeBare += (got.pixel(0, y) != want.pixel(0, y)) + (got.pixel(wd - 1, y) != want.pixel(wd - 1, y));
    }
    EXPECT_EQ(wrong, 0) << "the frame is not one colour all round";
    EXPECT_NE(QColor(frame), view->palette().color(QPalette::Base)) << "no frame";
    EXPECT_LT(qGray(frame), 200) << "no frame";
    if (Ratio() == 1.0) {
      EXPECT_EQ(unlikeBare, 0) << "frame pixels unlike the bare table's";
    }
    EXPECT_TRUE(fwtest::SamePicture(GrabOf(view->verticalScrollBar()), GrabOf(bare->verticalScrollBar())))
        << "scroll bar";
    bare->setModel(nullptr);
  }
};

TEST_P(ControlLooks, EveryKindOfControlShowsItsStoredFiguresThroughARun) {
  const std::vector<State> run = {
      {"start",
       [] {},
       {YFld(), OkButton(), Restart(false), SlidY(200), SlidX(500), TimeLab("10"), Label1(),
        Instruction("Mit OK starten!"), CutBut(false)}},
      {"loop cut", [this] { Click(q().CutBut()); }, {CutBut(true)}},
      {"loop closed again", [this] { Click(q().CutBut()); }, {CutBut(false)}},
      {"parameters",
       [this] {
         Ok();
         Enter(0, "1.5");
       },
       {Param(0, "1.5"), Param(1, ""), Param(13, "0"), Instruction("Parameter eingeben!")}},
      {"a field with the focus", [] {}, {[] {
         Seen s = Param(0, "1.5");
         s.focus = true;
         return s;
       }()}},
      {"disturbance",
       [this] {
         Enter(0, "");
         Enter(kExampleLoop);
         Ok();
         ClickShape();
       },
       {FriFld("Sprung"), Instruction("Störgröße definieren!")}},
      {"results",
       [this] {
         ClickShape(3);  // back to the zero signal for z
         Ok();
         ClickShape();
         Ok();
         ASSERT_EQ(q().Phase, 5);
       },
       {
           Restart(true),
           ReglerStrecke(),
           Clb(),
           SigLst(),
           ToggleX(false),
           Instruction("Verläufe graphisch anzeigen!"),
       }},
      {"curve x shown", [this] { Click(q().BBtn(1)); }, {ToggleX(true)}},
      {"zero line moved by the program",
       [this] {
         q().SlidY()->SetValue(300);
         q().SlidX()->SetValue(250);
       },
       {SlidY(300), SlidX(250), TimeLab("20")}},
  };
  Walk(run);
}

// A drag moves the knob but changes nothing until the knob is let go: the
// same press and move on a bare slider of the stored figures.
TEST_P(ControlLooks, ASliderDragMovesTheKnobAndTheChartFollowsOnRelease) {
  fw::Slider* slider = q().SlidX();
  QWidget* w = slider->Widget();
  const Seen s = SlidX(500);
  auto bare = Beneath<QSlider>(w, s);
  bare->setOrientation(Qt::Horizontal);
  bare->setRange(10, 500);
  bare->setValue(500);
  bare->setPageStep(20);
  bare->setTracking(false);
  bare->show();
  QApplication::processEvents();
  QStyleOptionSlider option;
  option.initFrom(bare.get());
  option.orientation = Qt::Horizontal;
  option.minimum = 10;
  option.maximum = 500;
  option.sliderPosition = option.sliderValue = 500;
  const QPoint knob =
      bare->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, bare.get()).center();
  for (QWidget* target : {w, static_cast<QWidget*>(bare.get())}) {
    QTest::mousePress(target, Qt::LeftButton, {}, knob);
    QTest::mouseMove(target, knob - QPoint(100, 0));
    QTest::mouseMove(target, knob - QPoint(200, 0));
  }
  QApplication::processEvents();
  EXPECT_LT(bare->sliderPosition(), 500);
  EXPECT_TRUE(Compare(w, bare.get(), false)) << "the knob during the drag";
  EXPECT_EQ(slider->Value(), 500);
  EXPECT_EQ(q().TimeLab()->Text(), "10") << "the chart follows the drag";
  for (QWidget* target : {w, static_cast<QWidget*>(bare.get())})
    QTest::mouseRelease(target, Qt::LeftButton, {}, knob - QPoint(200, 0));
  QApplication::processEvents();
  EXPECT_EQ(slider->Value(), bare->value());
  EXPECT_EQ(q().TimeLab()->Text(), std::to_string(static_cast<int>(std::lround(5000.0 / bare->value()))));
  EXPECT_TRUE(Compare(w, bare.get(), false)) << "the knob let go";
}

INSTANTIATE_TEST_SUITE_P(Screens, ControlLooks, ::testing::Values(1.0, 2.0),
                         [](const ::testing::TestParamInfo<double>& test) {
                           return test.param == 1.0 ? std::string("RatioOne") : std::string("RatioTwo");
                         });

}  // namespace
