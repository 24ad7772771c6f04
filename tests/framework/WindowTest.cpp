// The window: its registry, control arrays, opening order, stored properties,
// parents, closing and tab order.
#include <gtest/gtest.h>

#include <QMainWindow>
#include <QTest>

#include "BevelButton.h"
#include "Canvas.h"
#include "Fixture.h"
#include "Label.h"
#include "Slider.h"
#include "TextField.h"

namespace {

using fw::Control;
using fw::Event;
using fw::EventArgs;
using fwtest::HookWindow;

// A bevel button that reports its destruction.
struct Toggle : fw::BevelButton {
  bool* gone = nullptr;
  ~Toggle() override {
    if (gone != nullptr) *gone = true;
  }
};

TEST(WindowRegistry, LookupsByNameAndIndex) {
  HookWindow win;
  win.create = [](HookWindow& w) {
    w.Add<fw::Canvas>("panel");
    for (int i : {3, 2, 1, 0, 5, 4, 6}) w.Add<fw::Canvas>("parnam", i, {{"Left", 500 + i}});
  };
  win.Open();
  ASSERT_EQ(win.ControlCount(), 8);
  EXPECT_EQ(win.ControlByName("panel")->Index(), Control::kNoIndex);
  for (int i = 0; i <= 6; ++i) {
    Control* c = win.ControlByNameIndex("parnam", i);
    ASSERT_NE(c, nullptr) << i;
    EXPECT_EQ(c->Index(), i);
    EXPECT_EQ(c->Left(), 500 + i);
  }
  EXPECT_EQ(win.ControlByNameIndex("parnam", 7), nullptr);
  EXPECT_EQ(win.ControlByNameIndex("param", 0), nullptr);
  EXPECT_EQ(win.ControlByNameIndex("panel", 0), nullptr);
  EXPECT_EQ(win.ControlByName("nothing"), nullptr);
  const auto all = win.Controls();
  EXPECT_EQ(all.front()->Name(), "panel");
  EXPECT_EQ(all[1]->Index(), 3);  // creation order
}

// The curve-toggle array: template BBtn(0) at (1050, 671), hidden by its own
// Open handler, which also records what it sees.
struct ToggleArray : ::testing::Test {
  ToggleArray() {
    win.create = [this](HookWindow& w) {
      auto& t = w.Add<fw::BevelButton>("BBtn", 0,
                                       {{"Left", 1050},
                                        {"Top", 671},
                                        {"Width", 40},
                                        {"Height", 20},
                                        {"Caption", fw::String("")},
                                        {"Visible", true}});
      t.AddEventHandler(Event::Action, [this](Control& me, const EventArgs&) {
        actionsBy.push_back(me.Index());
        return false;
      });
      t.AddEventHandler(Event::Open, [this](Control& me, const EventArgs&) {
        opened.push_back(me.Index());
        registeredAtOpen.push_back(me.GetWindow()->ControlByNameIndex("BBtn", me.Index()) == &me);
        me.SetVisible(false);
        return false;
      });
    };
  }
  fw::BevelButton& New() { return win.NewElement<fw::BevelButton>("BBtn"); }
  HookWindow win;
  std::vector<int> opened, actionsBy;
  std::vector<bool> registeredAtOpen;
};

TEST_F(ToggleArray, NewElementsTakeTheLowestFreeIndexAndOpenBeforeReturning) {
  fwtest::ShowAndWait(win);
  ASSERT_EQ(opened, (std::vector<int>{0}));
  for (int i = 1; i <= 4; ++i) {
    fw::BevelButton& b = New();
    EXPECT_EQ(b.Index(), i);
    EXPECT_TRUE(b.HasOpened());
    EXPECT_FALSE(b.Visible());
    EXPECT_FALSE(b.Widget()->isVisible());  // hidden before it ever showed
    EXPECT_EQ(win.ControlByNameIndex("BBtn", i), &b);
  }
  EXPECT_EQ(opened, (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(registeredAtOpen, (std::vector<bool>(5, true)));
  // Closing frees the index at once; the next element takes it again.
  win.ControlByNameIndex("BBtn", 2)->Close();
  win.ControlByNameIndex("BBtn", 1)->Close();
  EXPECT_EQ(win.ControlByNameIndex("BBtn", 1), nullptr);
  EXPECT_EQ(New().Index(), 1);
  EXPECT_EQ(New().Index(), 2);
  EXPECT_EQ(New().Index(), 5);
}

TEST_F(ToggleArray, ANewElementCopiesTheTemplateNotTheLastElement) {
  fwtest::ShowAndWait(win);
  fw::BevelButton& first = New();
  first.SetLeft(5);
  first.SetCaption("x");
  first.SetVisible(true);
  fw::BevelButton& second = New();
  EXPECT_EQ(second.Left(), 1050);
  EXPECT_EQ(second.Top(), 671);
  EXPECT_EQ(second.Width(), 40);
  EXPECT_EQ(second.Caption(), "");
  // The template's handlers, called with the new element.
  second.SetVisible(true);
  second.Push();
  first.Push();
  EXPECT_EQ(actionsBy, (std::vector<int>{2, 1}));
}

TEST_F(ToggleArray, ElementsMadeBeforeTheWindowOpensOpenWithIt) {
  win.create = [inner = win.create](HookWindow& w) {
    inner(w);
    auto& b = w.NewElement<fw::BevelButton>("BBtn");
    EXPECT_EQ(b.Index(), 1);
    EXPECT_FALSE(b.HasOpened());
  };
  win.Open();
  EXPECT_EQ(opened, (std::vector<int>{0, 1}));
}

TEST_F(ToggleArray, PrepareRunsBeforeRegistration) {
  fwtest::ShowAndWait(win);
  bool sawUnregistered = false;
  auto& b = win.NewElement<fw::BevelButton>("BBtn", [&](fw::BevelButton& e) {
    sawUnregistered = e.GetWindow() == nullptr && e.Index() == Control::kNoIndex;
    e.AddMenuHandler("Untitled", [] { return true; });
  });
  EXPECT_TRUE(sawUnregistered);
  EXPECT_TRUE(b.HandleMenu("Untitled"));
  EXPECT_FALSE(b.HandleMenu("Other"));
}

TEST(WindowArrays, TemplateAboveZeroAndArraysWithoutTemplate) {
  HookWindow win;
  win.create = [](HookWindow& w) {
    for (int i : {3, 2, 1, 0, 5, 4, 6}) w.Add<fw::Canvas>("parnam", i);
  };
  win.Open();
  EXPECT_EQ(win.NewElement<fw::Canvas>("parnam").Index(), 7);
  EXPECT_EQ(win.NewElement<fw::Canvas>("fresh").Index(), 0);
  EXPECT_EQ(win.NewElement<fw::Canvas>("fresh").Index(), 1);
}

TEST(WindowClose, ClosedControlsGoAtTheNextTurn) {
  HookWindow win;
  bool gone = false;
  Toggle* t = nullptr;
  win.create = [&](HookWindow& w) {
    t = &w.Add<Toggle>("Bx", 0);
    t->gone = &gone;
  };
  fwtest::ShowAndWait(win);
  t->Close();
  EXPECT_EQ(win.ControlByNameIndex("Bx", 0), nullptr);
  EXPECT_EQ(win.ControlCount(), 0);
  EXPECT_FALSE(gone);
  t->SetCaption("still here");  // a handler that closed it may go on using it
  t->Close();                   // twice is harmless
  QApplication::processEvents();
  EXPECT_TRUE(gone);
}

TEST(WindowClose, TheWindowFreesWhatIsLeft) {
  bool gone = false, closedGone = false;
  {
    HookWindow win;
    win.create = [&](HookWindow& w) {
      w.Add<Toggle>("a").gone = &gone;
      w.Add<Toggle>("b").gone = &closedGone;
    };
    fwtest::ShowAndWait(win);
    win.ControlByName("b")->Close();
  }
  EXPECT_TRUE(gone);
  EXPECT_TRUE(closedGone);
}

TEST(WindowOpen, BuildsThenOpensControlsInCreationOrderThenItself) {
  std::vector<std::string> log;
  HookWindow win;
  win.log = &log;
  win.create = [&](HookWindow& w) {
    for (const char* name : {"SlidY", "SlidX"}) {
      auto& s = w.Add<fw::Slider>(name, Control::kNoIndex, {{"Minimum", 1}, {"Value", 0}, {"Maximum", 0}});
      s.AddEventHandler(Event::Open, [&](Control& me, const EventArgs&) {
        log.push_back(me.Name() + ".Open");
        auto& sl = static_cast<fw::Slider&>(me);
        sl.SetMinimum(0);
        sl.SetMaximum(400);
        sl.SetValue(200);  // raises ValueChanged at once, in Open
        log.push_back(me.Name() + ".after");
        return false;
      });
      s.AddEventHandler(Event::ValueChanged, [&](Control& me, const EventArgs&) {
        log.push_back(me.Name() + ".ValueChanged " + std::to_string(static_cast<fw::Slider&>(me).Value()));
        return false;
      });
    }
    log.push_back("created");
  };
  win.open = [&](HookWindow& w) { log.push_back(w.Widget()->isVisible() ? "visible" : "hidden"); };
  win.Open();
  win.Open();  // once only
  EXPECT_EQ(log, (std::vector<std::string>{"Layout", "CreateControls", "created", "SlidY.Open",
                                           "SlidY.ValueChanged 200", "SlidY.after", "SlidX.Open",
                                           "SlidX.ValueChanged 200", "SlidX.after", "Window.Open", "hidden"}));
  EXPECT_TRUE(win.IsOpen());
  EXPECT_TRUE(win.Widget()->isVisible());
}

TEST(WindowOpen, StaysHiddenWhenStoredInvisible) {
  HookWindow win;
  win.layout = [](HookWindow& w) { w.SetProperty("Visible", false); };
  win.Open();
  EXPECT_FALSE(win.Widget()->isVisible());
}

TEST(WindowProperties, TheLayoutRecordGivesTitleSizeLimitsAndButtons) {
  HookWindow win;
  win.layout = [](HookWindow& w) {
    fw::RuntimeMassPropertySetter(static_cast<fw::Window&>(w), {{"Width", 1200},
                                                                {"Height", 700},
                                                                {"MinWidth", 64},
                                                                {"MinHeight", 64},
                                                                {"MaxWidth", 32000},
                                                                {"MaxHeight", 32000},
                                                                {"Frame", 0},
                                                                {"Title", fw::String("Quenlo")},
                                                                {"CloseButton", true},
                                                                {"Resizeable", true},
                                                                {"MaximizeButton", false},
                                                                {"MinimizeButton", true},
                                                                {"FullScreenButton", false},
                                                                {"Composite", false},
                                                                {"MacProcID", 0},
                                                                {"Placement", 4},
                                                                {"Visible", true},
                                                                {"LiveResize", true},
                                                                {"FullScreen", false},
                                                                {"MenuBarVisible", true},
                                                                {"HasBackColor", false},
                                                                {"BackColor", fw::Color{220, 220, 220}}});
  };
  fwtest::ShowAndWait(win);
  QMainWindow* mw = win.Widget();
  EXPECT_EQ(mw->windowTitle(), QString("Quenlo"));
  EXPECT_EQ(win.Title(), "Quenlo");
  EXPECT_EQ(win.ContentArea()->size(), QSize(1200, 700));
  EXPECT_EQ(win.Width(), 1200);
  EXPECT_EQ(win.Height(), 700);
  EXPECT_EQ(win.ContentArea()->minimumSize(), QSize(64, 64));
  EXPECT_EQ(win.ContentArea()->maximumSize(), QSize(32000, 32000));
  const Qt::WindowFlags f = mw->windowFlags();
  EXPECT_TRUE(f & Qt::CustomizeWindowHint);
  EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
  EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(f & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(f & Qt::WindowFullscreenButtonHint);
  EXPECT_FALSE(win.MaximizeButton());
  // Silly values stay bounded.
  win.SetProperty("Width", -100);
  EXPECT_EQ(win.Width(), 64);
  win.SetProperty("MinWidth", -5);
  EXPECT_EQ(win.MinWidth(), 0);
  win.SetProperty("Height", 2147483647);
  EXPECT_LE(win.Height(), 32000);
  // A minimum above the maximum wins.
  win.SetProperty("MinWidth", 500);
  win.SetProperty("MaxWidth", 100);
  win.SetProperty("Width", 50);
  EXPECT_EQ(win.Width(), 500);
}

TEST(WindowParents, ControlsInsideACanvasKeepWindowCoordinates) {
  HookWindow win;
  fw::Canvas* panel = nullptr;
  fw::Canvas* block = nullptr;
  win.create = [&](HookWindow& w) {
    panel = &w.Add<fw::Canvas>("panel", Control::kNoIndex, fwtest::Place(10, 10, 600, 300));
    block = &w.Add<fw::Canvas>(
        "Bx", 0, {{"Left", 10}, {"Top", 240}, {"Width", 195}, {"Height", 60}, {"InitialParent", fw::String("panel")}});
  };
  fwtest::ShowAndWait(win);
  EXPECT_EQ(block->Parent(), panel);
  EXPECT_EQ(block->Widget()->parentWidget(), panel->Widget());
  EXPECT_EQ(block->Left(), 10);
  EXPECT_EQ(block->Top(), 240);
  EXPECT_EQ(block->Widget()->pos(), QPoint(0, 230));
  // A run-time element of the array starts inside the panel too.
  auto& b1 = win.NewElement<fw::Canvas>("Bx");
  EXPECT_EQ(b1.Parent(), panel);
  b1.SetLeft(110);
  b1.SetTop(65);
  EXPECT_EQ(b1.Widget()->pos(), QPoint(100, 55));
  EXPECT_EQ(b1.Left(), 110);
  // Closing the panel leaves its children where they are, in the window.
  panel->Close();
  EXPECT_EQ(b1.Parent(), nullptr);
  EXPECT_EQ(b1.Left(), 110);
  EXPECT_EQ(b1.Widget()->parentWidget(), win.ContentArea());
  EXPECT_EQ(b1.Widget()->pos(), QPoint(110, 65));
  QApplication::processEvents();
  EXPECT_EQ(b1.Left(), 110);
}

TEST(WindowParents, NoControlContainsItself) {
  HookWindow win;
  fw::Canvas* a = nullptr;
  win.create = [&](HookWindow& w) {
    a = &w.Add<fw::Canvas>("a", Control::kNoIndex, {{"Left", 5}});
    w.Add<fw::Canvas>("b", Control::kNoIndex, {{"InitialParent", fw::String("a")}});
  };
  win.Open();
  a->SetProperty("InitialParent", fw::String("b"));  // would make a loop: refused
  a->SetProperty("InitialParent", fw::String("a"));
  EXPECT_EQ(a->Parent(), nullptr);
  EXPECT_EQ(a->Left(), 5);
}

TEST(WindowTabOrder, FollowsTabIndex) {
  HookWindow win;
  std::vector<fw::TextField*> f;
  win.create = [&](HookWindow& w) {
    for (int tab : {30, 10, 20}) {
      f.push_back(&w.Add<fw::TextField>("param", static_cast<fw::Integer>(f.size()),
                                        {{"TabIndex", tab}, {"Width", 80}, {"Height", 30}}));
    }
  };
  fwtest::ShowAndWait(win);
  win.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(win.Widget()));
  f[1]->Widget()->setFocus();
  QTest::keyClick(f[1]->Widget(), Qt::Key_Tab);
  EXPECT_TRUE(f[2]->Widget()->hasFocus());
  QTest::keyClick(f[2]->Widget(), Qt::Key_Tab);
  EXPECT_TRUE(f[0]->Widget()->hasFocus());
}

TEST(WindowRegistry, StoredPropertiesAreKeptAndReplaced) {
  fw::Label l;
  l.SetProperty("Text", fw::String("a"));
  l.SetProperty("AutoDeactivate", false);
  l.SetProperty("text", fw::String("b"));
  ASSERT_EQ(l.StoredRecord().size(), 2u);
  EXPECT_EQ(fw::AsString(*l.StoredProperty("TEXT")), "b");
  EXPECT_EQ(l.Text(), "b");
  EXPECT_FALSE(fw::AsBoolean(*l.StoredProperty("AutoDeactivate"), true));
  EXPECT_EQ(l.StoredProperty("Missing"), nullptr);
  // A value of the wrong type leaves the property as it was.
  l.SetProperty("TextSize", fw::String("big"));
  EXPECT_EQ(l.TextSize(), 0);
  l.SetProperty("TextSize", 18);
  EXPECT_EQ(l.TextSize(), 18);
}

TEST(WindowRegistry, EventsRunInConnectionOrder) {
  fw::Label l;
  std::vector<int> order;
  for (int i = 0; i < 3; ++i) {
    l.AddEventHandler(Event::MouseDown, [&order, i](Control&, const EventArgs&) {
      order.push_back(i);
      return i == 1;
    });
  }
  EXPECT_TRUE(l.RaiseEvent(Event::MouseDown));
  EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
  EXPECT_FALSE(l.RaiseEvent(Event::Action));
  EXPECT_TRUE(l.HasHandler(Event::MouseDown));
  EXPECT_FALSE(l.HasHandler(Event::Open));
}

}  // namespace
