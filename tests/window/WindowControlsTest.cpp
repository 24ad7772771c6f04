// The 40 controls: creation order, lookups, places after the open handlers,
// visibility, the parameter area and the tab order of its fields.
#include <QApplication>
#include <QColor>
#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "ControlTable.h"
#include "WindowFixture.h"

namespace {

std::vector<fw::Integer> CreationOrderOf(const Q& q, const std::string& array) {
  std::vector<fw::Integer> order;
  for (const fw::Control* c : q.Controls()) {
    if (c->Name() == array) order.push_back(c->Index());
  }
  return order;
}

fw::Integer StoredInteger(const fw::Control& c, std::string_view name) {
  const fw::PropertyValue* v = c.StoredProperty(name);
  return v != nullptr ? fw::AsInteger(*v, -1) : -1;
}

}  // namespace

TEST_F(OpenWindow, MakesFortyControlsInTableOrderAndFindsElementsByIndex) {
  const std::vector<fw::Control*> controls = q().Controls();
  ASSERT_EQ(controls.size(), 40u);
  EXPECT_EQ(controls.front()->Name(), "panel");
  EXPECT_EQ(controls.back()->Name(), "friLab");
  EXPECT_EQ(CreationOrderOf(q(), "parnam"), (std::vector<fw::Integer>{3, 2, 1, 0, 5, 4, 6}));
  EXPECT_EQ(CreationOrderOf(q(), "param"), (std::vector<fw::Integer>{0, 1, 2, 3, 4, 5, 11, 10, 9, 8, 7, 6, 12, 13}));
  EXPECT_EQ(controls[1]->ClassName(), "Label");
  EXPECT_EQ(controls[2]->ClassName(), "Blackbox");

  // Each element found by index is the one made with that index: its stored
  // place is its own, whatever the order of making.
  const std::pair<fw::Integer, fw::Integer> parnamStoredTop[] = {{0, 456}, {1, 488}, {2, 523}, {3, 557},
                                                                 {4, 591}, {5, 625}, {6, 661}};
  for (auto [k, top] : parnamStoredTop) {
    ASSERT_NE(q().parnam(k), nullptr) << k;
    EXPECT_EQ(q().parnam(k)->Index(), k);
    EXPECT_EQ(StoredInteger(*q().parnam(k), "Top"), top) << k;
  }
  const std::pair<fw::Integer, fw::Integer> paramStoredLeft[] = {{0, 428}, {5, 428},  {6, 428},  {7, 553},
                                                                 {9, 553}, {11, 552}, {12, 556}, {13, 556}};
  for (auto [n, left] : paramStoredLeft) {
    ASSERT_NE(q().param(n), nullptr) << n;
    EXPECT_EQ(q().param(n)->Index(), n);
    EXPECT_EQ(StoredInteger(*q().param(n), "Left"), left) << n;
  }
  // Plain controls carry the no-index mark; missing elements are nil.
  EXPECT_EQ(q().panel()->Index(), fw::Control::kNoIndex);
  EXPECT_EQ(q().param(14), nullptr);
  EXPECT_EQ(q().param(-1), nullptr);
  EXPECT_EQ(q().parnam(7), nullptr);
  EXPECT_EQ(q().nameLab(1), nullptr);
  EXPECT_NE(q().nameLab(0), nullptr);
  EXPECT_EQ(q().BBtn(1), nullptr);
  EXPECT_NE(q().BBtn(0), nullptr);
  EXPECT_NE(q().Bx(0), nullptr);
  EXPECT_EQ(q().Bx(1), nullptr);
}

TEST_F(OpenWindow, OpenHandlersPlaceTheParameterAreaOnItsGrid) {
  struct Place {
    const char* what;
    fw::Control* c;
    fw::Integer left, top, width, height;
  };
  const Place places[] = {
      {"param(0)", q().param(0), 428, 456, 70, 30},   {"param(8)", q().param(8), 538, 489, 70, 30},
      {"param(6)", q().param(6), 428, 654, 70, 30},   {"param(13)", q().param(13), 538, 654, 70, 30},
      {"param(11)", q().param(11), 538, 588, 70, 30}, {"parnam(0)", q().parnam(0), 505, 456, 33, 30},
      {"parnam(3)", q().parnam(3), 505, 555, 33, 30}, {"parnam(6)", q().parnam(6), 505, 654, 33, 30},
      {"SigLst", q().SigLst(), 10, 340, 400, 355},    {"ReglerStrecke", q().ReglerStrecke(), 429, 420, 193, 32},
      {"panel", q().panel(), 10, 10, 600, 300},       {"LosBut", q().LosBut(), 649, 590, 112, 106},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.what);
    ASSERT_NE(p.c, nullptr);
    EXPECT_EQ(p.c->Left(), p.left);
    EXPECT_EQ(p.c->Top(), p.top);
    EXPECT_EQ(p.c->Width(), p.width);
    EXPECT_EQ(p.c->Height(), p.height);
  }
  for (fw::Integer n = 0; n <= 13; ++n) {
    EXPECT_EQ(q().param(n)->TextSize(), 20.0f) << n;
    EXPECT_EQ(q().param(n)->Text(), "") << n;
  }
  EXPECT_EQ(q().ReglerStrecke()->Text(), "Regler     Strecke");
}

TEST_F(OpenWindow, ShowsHidesAndDisablesAsStored) {
  const std::vector<std::pair<const char*, fw::Control*>> hidden = {
      {"Clb", q().Clb()},           {"ReglerStrecke", q().ReglerStrecke()},
      {"friFld", q().friFld()},     {"friLab", q().friLab()},
      {"SigLst", q().SigLst()},     {"param(0)", q().param(0)},
      {"param(13)", q().param(13)}, {"parnam(3)", q().parnam(3)},
      {"parnam(6)", q().parnam(6)}};
  for (const auto& [what, c] : hidden) {
    ASSERT_NE(c, nullptr) << what;
    EXPECT_FALSE(c->Visible()) << what;
    EXPECT_FALSE(c->Widget()->isVisible()) << what;
  }
  const std::vector<std::pair<const char*, fw::Control*>> shown = {{"panel", q().panel()},
                                                                   {"diagram", q().diagram()},
                                                                   {"LosBut", q().LosBut()},
                                                                   {"CutBut", q().CutBut()},
                                                                   {"RestartBtn", q().RestartBtn()},
                                                                   {"Instruction", q().Instruction()},
                                                                   {"yFld", q().yFld()},
                                                                   {"SlidX", q().SlidX()},
                                                                   {"SlidY", q().SlidY()},
                                                                   {"Label1", q().Label1()},
                                                                   {"Bx(0)", q().Bx(0)}};
  for (const auto& [what, c] : shown) {
    ASSERT_NE(c, nullptr) << what;
    EXPECT_TRUE(c->Visible()) << what;
    EXPECT_TRUE(c->Widget()->isVisible()) << what;
  }
  for (fw::Control* c : std::vector<fw::Control*>{q().Label1(), q().RestartBtn(), q().friFld()}) {
    EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_FALSE(c->Widget()->isEnabled()) << c->Name();
  }
  EXPECT_TRUE(q().LosBut()->Widget()->isEnabled());
  EXPECT_TRUE(q().CutBut()->Widget()->isEnabled());
  EXPECT_TRUE(q().friFld()->ReadOnly());
  EXPECT_EQ(q().LosBut()->Caption(), "OK");
  EXPECT_EQ(q().CutBut()->Caption(), "CUT");
  EXPECT_FALSE(q().CutBut()->Value());
  EXPECT_EQ(q().RestartBtn()->Caption(), "Restart");
  // The blocks' template and the name label lie inside the panel.
  EXPECT_EQ(q().Bx(0)->Parent(), q().panel());
  EXPECT_EQ(q().nameLab(0)->Parent(), q().panel());
  EXPECT_EQ(q().Bx(0)->Left(), 10);
  EXPECT_EQ(q().Bx(0)->Top(), 240);
}

TEST_F(OpenWindow, GetParamShowsTheWholeAreaAndNoMore) {
  q().getParam();
  for (fw::Integer k = 0; k <= 6; ++k) EXPECT_TRUE(q().parnam(k)->Widget()->isVisible()) << k;
  for (fw::Integer n = 0; n <= 13; ++n) {
    EXPECT_TRUE(q().param(n)->Widget()->isVisible()) << n;
    EXPECT_EQ(q().param(n)->Top(), 456 + 33 * (n % 7)) << n;
  }
  // Calling again, or with a bound beyond the area, changes nothing else.
  q().getParam();
  for (fw::Integer bound : {7, 1000, std::numeric_limits<fw::Integer>::max(), -5}) {
    q().nParam = bound;
    q().getParam();
  }
  EXPECT_EQ(q().Controls().size(), 40u);
  EXPECT_FALSE(q().Clb()->Visible());
  EXPECT_FALSE(q().SigLst()->Visible());
  EXPECT_EQ(q().param(8)->Left(), 538);
}

TEST_F(OpenWindow, TabMovesThroughTheParameterFieldsInStoredOrder) {
  const std::vector<fw::Integer> expected = {0, 1, 2, 3, 4, 5, 11, 10, 9, 8, 7, 6, 12, 13};
  // By stored tab position.
  std::vector<fw::Integer> byTabIndex;
  for (fw::Integer n = 0; n <= 13; ++n) byTabIndex.push_back(n);
  std::sort(byTabIndex.begin(), byTabIndex.end(),
            [&](fw::Integer a, fw::Integer b) { return q().param(a)->TabIndex() < q().param(b)->TabIndex(); });
  EXPECT_EQ(byTabIndex, expected);

  // By real key presses: the order in which the focus reaches the fields.
  q().getParam();
  QWidget* top = q().Widget();
  top->activateWindow();
  QApplication::setActiveWindow(top);
  ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  q().param(0)->Widget()->setFocus(Qt::OtherFocusReason);
  auto fieldWithFocus = [&]() -> fw::Integer {
    QWidget* focus = QApplication::focusWidget();
    for (fw::Integer n = 0; n <= 13; ++n) {
      QWidget* w = q().param(n)->Widget();
      if (focus != nullptr && (focus == w || w->isAncestorOf(focus))) return n;
    }
    return -1;
  };
  std::vector<fw::Integer> reached = {fieldWithFocus()};
  for (int presses = 0; presses < 60 && reached.size() < expected.size(); ++presses) {
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : top, Qt::Key_Tab);
    const fw::Integer n = fieldWithFocus();
    if (n >= 0 && n != reached.back()) reached.push_back(n);
  }
  EXPECT_EQ(reached, expected);
}

// Where red ink lies in a picture of w x h pixels, and how much of it there is.
struct RedInk {
  QRect box;
  int pixels = 0;
};
template <class ColourAt>
RedInk RedInkOf(int w, int h, ColourAt colourAt) {
  RedInk ink;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const QColor c = colourAt(x, y);
      if (c.alpha() == 0 || c.red() - std::max(c.green(), c.blue()) <= 40) continue;
      ink.box |= QRect(x, y, 1, 1);
      ++ink.pixels;
    }
  return ink;
}

// The red area letters show whole: "A" on the block diagram, "B" on the
// chart and "C" in its label, none of them running into the edge of what
// holds it.
TEST_F(OpenWindow, TheAreaLettersShowWhole) {
  for (fw::Canvas* canvas : {q().panel(), q().diagram()}) {
    canvas->PaintNow();
    const RedInk ink = RedInkOf(canvas->Width(), canvas->Height(), [&](int x, int y) {
      if (canvas->PixelIsBlank(x, y)) return QColor(Qt::transparent);
      const fw::Color c = canvas->PixelAt(x, y);
      return QColor(c.r, c.g, c.b);
    });
    EXPECT_GT(ink.pixels, 300) << canvas->Name();
    EXPECT_TRUE(QRect(1, 1, canvas->Width() - 2, canvas->Height() - 2).contains(ink.box)) << canvas->Name();
  }
  fw::Label& letter = *q().Clb();
  const QImage shot = letter.Widget()->grab().toImage();
  const RedInk ink = RedInkOf(shot.width(), shot.height(), [&](int x, int y) { return shot.pixelColor(x, y); });
  EXPECT_GT(ink.pixels, 300);
  EXPECT_TRUE(shot.rect().adjusted(1, 1, -1, -1).contains(ink.box))
      << "C from " << ink.box.left() << " to " << ink.box.right() << " in " << shot.width();
}

// The stored values as they stand when the controls are made, before any
// Open handler has run.
class UnopenedWindow : public Q {
 public:
  using Q::CreateControls;
};

TEST(ControlTable, StoredValuesStandBeforeTheOpenHandlersRun) {
  UnopenedWindow q;
  q.CreateControls();
  ASSERT_EQ(q.Controls().size(), 40u);
  EXPECT_EQ(q.SlidY()->Minimum(), 1);
  EXPECT_EQ(q.SlidY()->Maximum(), 0);
  EXPECT_EQ(q.SlidY()->Value(), 0);
  EXPECT_EQ(q.SlidX()->Minimum(), 0);
  EXPECT_EQ(q.SlidX()->Maximum(), 100);
  EXPECT_EQ(q.SlidX()->Value(), 0);
  EXPECT_EQ(q.yFld()->Text(), "");
  EXPECT_EQ(q.param(8)->Left(), 553);
  EXPECT_EQ(q.param(8)->Width(), 80);
  EXPECT_TRUE(q.SigLst()->Visible());
  EXPECT_TRUE(q.BBtn(0)->Visible());
  EXPECT_EQ(q.Instruction()->Text(), "");
  EXPECT_FALSE(q.Bx(0)->HasOpened());
  EXPECT_EQ(q.Bx(0)->nchc, 0);
  // The template block answers its own menu handler.
  EXPECT_TRUE(q.Bx(0)->HasMenuHandler("Untitled"));
  EXPECT_TRUE(q.Bx(0)->HandleMenu("Untitled"));
  // Colours of the two bevel buttons and the shape field.
  EXPECT_TRUE(q.CutBut()->HasBackColor());
  EXPECT_FALSE(q.BBtn(0)->HasBackColor());
  EXPECT_EQ(q.CutBut()->BackColor(), (fw::Color{0, 0, 0}));
  EXPECT_EQ(q.BBtn(0)->TextColor(), (fw::Color{0, 0, 0}));
  EXPECT_EQ(q.friFld()->BackColor(), (fw::Color{72, 255, 154}));
  EXPECT_EQ(q.Instruction()->TextColor(), (fw::Color{255, 0, 0}));
}

TEST(ControlTable, EveryControlLiesInTheWindowAndOnlyLosButIsUnlockedAtTop) {
  fw::Integer right = 0, bottom = 0;
  for (const ControlEntry& e : ControlTable()) {
    SCOPED_TRACE(e.name + "(" + std::to_string(e.index) + ")");
    auto get = [&](const char* name) -> const fw::PropertyValue* {
      for (const fw::Property& p : e.record) {
        if (p.name == name) return &p.value;
      }
      return nullptr;
    };
    ASSERT_NE(get("Left"), nullptr);
    const fw::Integer r = fw::AsInteger(*get("Left")) + fw::AsInteger(*get("Width"));
    const fw::Integer b = fw::AsInteger(*get("Top")) + fw::AsInteger(*get("Height"));
    EXPECT_LE(r, 1200);
    EXPECT_LE(b, 700);
    right = std::max(right, r);
    bottom = std::max(bottom, b);
    EXPECT_EQ(fw::AsBoolean(*get("LockTop")), e.name != "LosBut");
    EXPECT_FALSE(fw::AsBoolean(*get("LockRight")));
    EXPECT_FALSE(fw::AsBoolean(*get("LockBottom")));
    EXPECT_EQ(fw::AsInteger(*get("Index"), 0), e.index);
    EXPECT_EQ(get("InitialParent") == nullptr, e.name == "param");
  }
  EXPECT_EQ(right, 1194);
  EXPECT_EQ(bottom, 696);
}

TEST(ControlTable, ConnectsEachControlsHandlersInOrderToItsWindow) {
  using fw::Event;
  UnopenedWindow q;
  q.CreateControls();
  struct Row {
    fw::Control* c;
    std::vector<Event> events;
  };
  const Row rows[] = {
      {q.panel(), {Event::Open, Event::Paint}},
      {q.nameLab(0), {}},
      {q.Bx(0), {}},
      {q.SigLst(), {Event::Open}},
      {q.SlidY(), {Event::Open, Event::ValueChanged}},
      {q.TimeLab(), {}},
      {q.SlidX(), {Event::ValueChanged, Event::Open}},
      {q.diagram(), {Event::Paint, Event::MouseMove}},
      {q.Label1(), {}},
      {q.BBtn(0), {Event::Action, Event::Open}},
      {q.Instruction(), {Event::Open}},
      {q.yFld(), {Event::Open, Event::TextChange}},
      {q.Clb(), {}},
      {q.RestartBtn(), {Event::Action}},
      {q.CutBut(), {Event::Action}},
      {q.param(0), {Event::Open}},
      {q.param(13), {Event::Open}},
      {q.parnam(3), {Event::Paint, Event::Open}},
      {q.parnam(6), {Event::Paint, Event::Open}},
      {q.ReglerStrecke(), {Event::Open}},
      {q.LosBut(), {Event::Action}},
      {q.friFld(), {}},
      {q.friLab(), {Event::MouseDown}},
  };
  for (const Row& r : rows) {
    ASSERT_NE(r.c, nullptr);
    std::vector<Event> events;
    for (const auto& handler : r.c->Handlers()) events.push_back(handler.first);
    EXPECT_EQ(events, r.events) << r.c->Name() << "(" << r.c->Index() << ")";
  }
  // The handlers reach the window's methods with the raising element.
  q.param(8)->RaiseEvent(Event::Open);
  EXPECT_EQ(q.param(8)->Left(), 538);
  EXPECT_EQ(q.param(8)->Top(), 489);
  EXPECT_EQ(q.param(7)->Left(), 553);  // not raised: still where it was stored
  q.SigLst()->RaiseEvent(Event::Open);
  EXPECT_FALSE(q.SigLst()->Visible());
  EXPECT_FALSE(q.friLab()->RaiseEvent(Event::MouseDown, fw::EventArgs{nullptr, nullptr, 3, 4}));
}
