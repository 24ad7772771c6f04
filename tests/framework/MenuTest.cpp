// Menus: the item tree, the menu bar built from it, the quit item and the
// editing items; and the application's run and quit.
#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "Application.h"
#include "Canvas.h"
#include "Fixture.h"
#include "Listbox.h"
#include "Menu.h"
#include "PushButton.h"
#include "TextField.h"

namespace {

using fw::MenuItem;

struct CountingItem : MenuItem {
  int* chosen = nullptr;
  void Action() override { ++*chosen; }
};

std::unique_ptr<MenuItem> Item(const char* name, const char* text, const char* shortcut = "") {
  auto m = std::make_unique<MenuItem>();
  m->Name = name;
  m->Text = text;
  m->KeyboardShortcut = shortcut;
  return m;
}

// The program's menu bar: "&Ablage" with the quit item, "&Bearbeiten" with
// the editing items.
std::unique_ptr<fw::MenuBar> MakeBar() {
  auto bar = std::make_unique<fw::MenuBar>();
  bar->Name = "MenuBar1";
  MenuItem& file = bar->Append(Item("FileMenu", "&Ablage"));
  auto quit = std::make_unique<fw::QuitMenuItem>();
  quit->Name = "FileQuit";
  quit->Text = "Beenden";
  quit->KeyboardShortcut = "Cmd+Q";
  file.Append(std::move(quit));
  MenuItem& edit = bar->Append(Item("EditMenu", "&Bearbeiten"));
  edit.Append(Item("EditUndo", "&Rückgängig", "Cmd+Z"));
  edit.Append(Item("UntitledMenu1", "-"));
  edit.Append(Item("EditCut", "&Ausschneiden", "Cmd+X"));
  edit.Append(Item("EditCopy", "&Kopieren", "Cmd+C"));
  edit.Append(Item("EditPaste", "&Einfügen", "Cmd+V"));
  edit.Append(Item("EditClear", "&Löschen"));
  edit.Append(Item("UntitledMenu0", "-"));
  edit.Append(Item("EditSelectAll", "&Alles auswählen", "Cmd+A"));
  edit.Append(Item("Untitled", "Eigenes"));
  return bar;
}

QAction* FindAction(fw::Window& w, const char* name) { return w.Widget()->menuBar()->findChild<QAction*>(name); }

TEST(MenuTree, ChildLookupAndItems) {
  auto bar = MakeBar();
  EXPECT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Item(0)->Name, "FileMenu");
  EXPECT_EQ(bar->Item(2), nullptr);
  EXPECT_EQ(bar->Item(-1), nullptr);
  EXPECT_EQ(bar->Child("FileQuit"), nullptr);  // not a direct child
  ASSERT_NE(bar->Lookup("FileQuit"), nullptr);
  EXPECT_NE(dynamic_cast<fw::QuitMenuItem*>(bar->Lookup("FileQuit")), nullptr);
  EXPECT_EQ(bar->Child("EditMenu")->Child("EditCopy")->Text, "&Kopieren");
  EXPECT_TRUE(bar->Lookup("UntitledMenu0")->IsSeparator());
  EXPECT_EQ(bar->Lookup("Nothing"), nullptr);
  EXPECT_EQ(bar->Append(nullptr).Count(), 0);  // an empty item stands in
}

TEST(MenuBarWidget, BuiltFromTheTreeWithMnemonicsSeparatorsAndShortcuts) {
  auto bar = MakeBar();
  fwtest::HookWindow win;
  win.layout = [&](fwtest::HookWindow& w) { w.SetMenuBar(bar.get()); };
  fwtest::ShowAndWait(win);
  EXPECT_EQ(win.GetMenuBar(), bar.get());
  const QList<QAction*> top = win.Widget()->menuBar()->actions();
  ASSERT_EQ(top.size(), 2);
  EXPECT_EQ(top[0]->text(), QString("&Ablage"));
  EXPECT_EQ(top[1]->text(), QString("&Bearbeiten"));
  QMenu* edit = top[1]->menu();
  ASSERT_NE(edit, nullptr);
  const QList<QAction*> items = edit->actions();
  ASSERT_EQ(items.size(), 9);
  EXPECT_TRUE(items[1]->isSeparator());
  EXPECT_TRUE(items[6]->isSeparator());
  EXPECT_EQ(items[7]->text(), QString("&Alles auswählen"));
  EXPECT_EQ(FindAction(win, "FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
  EXPECT_EQ(FindAction(win, "EditCopy")->shortcut(), QKeySequence("Ctrl+C"));
  EXPECT_TRUE(FindAction(win, "EditClear")->shortcut().isEmpty());
  // The content area keeps its size below the menu bar.
  EXPECT_EQ(win.ContentArea()->size(), QSize(600, 400));
}

TEST(MenuBarWidget, ShortcutTexts) {
  struct Case {
    const char* text;
    QKeySequence expected;
  };
  const Case cases[] = {
      {"Cmd+Q", QKeySequence("Ctrl+Q")},
      {"cmd+shift+z", QKeySequence("Ctrl+Shift+Z")},
      {"Q", QKeySequence("Ctrl+Q")},
      {"Option+F4", QKeySequence("Alt+F4")},
      {"", QKeySequence()},
      {"Cmd+", QKeySequence()},
      {"Hyper+Q", QKeySequence()},
      {"+++", QKeySequence()},
      {"Cmd++", QKeySequence("Ctrl++")},
      {"+Q", QKeySequence()},
  };
  for (const auto& c : cases) {
    auto bar = std::make_unique<fw::MenuBar>();
    bar->Append(Item("M", "M")).Append(Item("I", "I", c.text));
    fwtest::HookWindow win;
    win.SetMenuBar(bar.get());
    EXPECT_EQ(FindAction(win, "I")->shortcut(), c.expected)
        << c.text << " gave " << FindAction(win, "I")->shortcut().toString().toStdString();
  }
}

TEST(MenuBarWidget, ChoosingAnItemByItsShortcutKey) {
  auto bar = std::make_unique<fw::MenuBar>();
  int chosen = 0;
  auto item = std::make_unique<CountingItem>();
  item->Name = "Count";
  item->Text = "Zählen";
  item->KeyboardShortcut = "Cmd+K";
  item->chosen = &chosen;
  bar->Append(Item("M", "&Menü")).Append(std::move(item));
  fwtest::HookWindow win;
  win.SetMenuBar(bar.get());
  fwtest::ShowAndWait(win);
  win.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(win.Widget()));
  QTest::keyClick(win.Widget(), Qt::Key_K, Qt::ControlModifier);
  EXPECT_EQ(chosen, 1);
  // An item that has gone: choosing what is left of it does nothing.
  QAction* stale = FindAction(win, "Count");
  bar.reset();
  stale->trigger();
  EXPECT_EQ(chosen, 1);
}

// A window with two fields and a canvas that takes the focus.
struct EditMenu : ::testing::Test {
  EditMenu() {
    win.layout = [this](fwtest::HookWindow& w) { w.SetMenuBar(bar.get()); };
    win.create = [this](fwtest::HookWindow& w) {
      a = &w.Add<fw::TextField>("a", fw::Control::kNoIndex, fwtest::Place(10, 10, 100, 30));
      b = &w.Add<fw::TextField>("b", fw::Control::kNoIndex, fwtest::Place(10, 50, 100, 30));
      c = &w.Add<fw::Canvas>("c", fw::Control::kNoIndex, fwtest::Place(10, 90, 100, 30));
      c->SetProperty("AcceptFocus", true);
      list = &w.Add<fw::Listbox>("list", fw::Control::kNoIndex, fwtest::Place(120, 10, 300, 200));
    };
    fwtest::ShowAndWait(win);
    win.Widget()->activateWindow();
    (void)QTest::qWaitForWindowActive(win.Widget());
  }
  void Choose(const char* name) { FindAction(win, name)->trigger(); }
  std::unique_ptr<fw::MenuBar> bar = MakeBar();
  fwtest::HookWindow win;
  fw::TextField* a = nullptr;
  fw::TextField* b = nullptr;
  fw::Canvas* c = nullptr;
  fw::Listbox* list = nullptr;
};

TEST_F(EditMenu, EditingItemsActOnTheFocusedField) {
  a->SetText("Sprung");
  a->Widget()->setFocus();
  Choose("EditSelectAll");
  Choose("EditCopy");
  b->Widget()->setFocus();
  Choose("EditPaste");
  EXPECT_EQ(b->Text(), "Sprung");
  EXPECT_EQ(a->Text(), "Sprung");
  a->Widget()->setFocus();
  Choose("EditSelectAll");
  Choose("EditCut");
  EXPECT_EQ(a->Text(), "");
  Choose("EditUndo");
  EXPECT_EQ(a->Text(), "Sprung");
  Choose("EditSelectAll");
  Choose("EditClear");
  EXPECT_EQ(a->Text(), "");
  EXPECT_EQ(b->Text(), "Sprung");
}

TEST_F(EditMenu, OtherItemsRunTheFocusedControlsMenuHandler) {
  int handled = 0;
  c->AddMenuHandler("Untitled", [&] {
    ++handled;
    return true;
  });
  c->Widget()->setFocus();
  ASSERT_TRUE(c->Widget()->hasFocus());
  Choose("Untitled");
  Choose("EditCopy");  // the canvas has no handler for it: nothing happens
  EXPECT_EQ(handled, 1);
  a->Widget()->setFocus();
  Choose("Untitled");  // the field has no such handler
  EXPECT_EQ(handled, 1);
}

// "Kopieren" and its key copy the focused list's selected rows, or all of
// them, as tab-separated lines; "Alles auswählen" selects every row; the other
// editing items leave a list alone.
TEST_F(EditMenu, CopyAndSelectAllActOnTheFocusedList) {
  list->SetColumnCount(3);
  for (const char* t : {"0", "1", "2"})
    list->AddRow(std::vector<fw::String>{t, std::string(" ") + t + ".50", " -1.00"});
  const auto clipboard = [] { return QGuiApplication::clipboard()->text().toStdString(); };
  const std::string all = "0\t0.50\t-1.00\n1\t1.50\t-1.00\n2\t2.50\t-1.00";
  auto* view = static_cast<QTableView*>(list->Widget());
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(1, 1)).center());
  ASSERT_TRUE(list->Widget()->hasFocus());
  Choose("EditCopy");
  EXPECT_EQ(clipboard(), "1\t1.50\t-1.00");
  QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    view->visualRect(view->model()->index(2, 0)).center());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard(), "1\t1.50\t-1.00\n2\t2.50\t-1.00");
  view->clearSelection();
  Choose("EditCopy");
  EXPECT_EQ(clipboard(), all);
  QGuiApplication::clipboard()->setText("vorher");
  Choose("EditSelectAll");
  EXPECT_EQ(view->selectionModel()->selectedRows().size(), 3);
  for (const char* item : {"EditCut", "EditPaste", "EditClear", "EditUndo"}) Choose(item);
  EXPECT_EQ(clipboard(), "vorher");
  EXPECT_EQ(list->ListCount(), 3);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard(), all);
  // With a field focused, the field copies its own selection.
  a->SetText("Sprung");
  a->Widget()->setFocus();
  Choose("EditSelectAll");
  Choose("EditCopy");
  EXPECT_EQ(clipboard(), "Sprung");
}

// The editing items that the "Bearbeiten" menu shows enabled when it opens,
// by name without "Edit"; the other two items of the bar are always enabled.
std::string EnabledAsShown(fw::Window& win) {
  QMenu* menu = FindAction(win, "EditMenu")->menu();
  menu->popup(QPoint(0, 0));
  QApplication::processEvents();
  std::string shown;
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
    if (FindAction(win, name)->isEnabled()) shown += std::string(shown.empty() ? "" : " ") + (name + 4);
  }
  EXPECT_TRUE(FindAction(win, "Untitled")->isEnabled());
  EXPECT_TRUE(FindAction(win, "FileQuit")->isEnabled());
  menu->hide();
  return shown;
}

// Each editing item is enabled exactly when the focused control can do it.
TEST_F(EditMenu, EditingItemsAreEnabledExactlyWhenTheFocusedControlCanAct) {
  list->SetColumnCount(2);
  const auto focus = [](fw::Control* control) {
    control->Widget()->setFocus();
    QApplication::processEvents();
  };
  QGuiApplication::clipboard()->setText("1.5");
  a->SetText("Sprung");
  focus(a);
  EXPECT_EQ(EnabledAsShown(win), "Paste SelectAll");
  static_cast<QLineEdit*>(a->Widget())->setSelection(0, 3);
  EXPECT_EQ(EnabledAsShown(win), "Cut Copy Paste Clear SelectAll");
  QTest::keyClick(a->Widget(), Qt::Key_X);
  EXPECT_EQ(a->Text(), "xung");
  EXPECT_EQ(EnabledAsShown(win), "Undo Paste SelectAll");
  Choose("EditUndo");
  EXPECT_EQ(a->Text(), "Sprung");
  QGuiApplication::clipboard()->clear();
  EXPECT_EQ(EnabledAsShown(win), "Cut Copy Clear SelectAll") << "the undone cut's text selected, nothing to paste";
  a->SetText("");
  EXPECT_EQ(EnabledAsShown(win), "");
  // Read-only: only what leaves the text as it is.
  QGuiApplication::clipboard()->setText("1.5");
  a->SetText("Sprung");
  a->SetReadOnly(true);
  a->SelectAll();
  EXPECT_EQ(EnabledAsShown(win), "Copy SelectAll");
  a->SetReadOnly(false);
  // A disabled field can do nothing, also where it kept a selection.
  a->SetEnabled(false);
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
    EXPECT_FALSE(a->CanEdit(name)) << name;
  a->SetEnabled(true);

  // The table: Copy and Select All with rows; nothing while it is empty.
  focus(list);
  ASSERT_TRUE(list->Widget()->hasFocus());
  EXPECT_EQ(EnabledAsShown(win), "");
  list->AddRow(std::vector<fw::String>{"0", " 1.00"});
  EXPECT_EQ(EnabledAsShown(win), "Copy SelectAll");
  // The canvas: nothing, unless it handles the item itself.
  focus(c);
  ASSERT_TRUE(c->Widget()->hasFocus());
  EXPECT_EQ(EnabledAsShown(win), "");
  c->AddMenuHandler("EditCopy", [] { return true; });
  EXPECT_EQ(EnabledAsShown(win), "Copy");
}

// The key equivalents follow the same rule, with the menu never opened: the
// key of an item that cannot act passes to the control.
TEST_F(EditMenu, KeyEquivalentsFollowTheSameRule) {
  struct KeyCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() != Qt::Key_Control) ++count;
      return false;
    }
  } canvasKeys;
  c->Widget()->installEventFilter(&canvasKeys);
  list->SetColumnCount(1);
  list->AddRow("0");
  list->Widget()->setFocus();
  QTest::keyClick(list->Widget(), Qt::Key_A, Qt::ControlModifier);
  EXPECT_TRUE(FindAction(win, "EditSelectAll")->isEnabled());
  EXPECT_EQ(static_cast<QTableView*>(list->Widget())->selectionModel()->selectedRows().size(), 1);
  c->Widget()->setFocus();
  for (const Qt::Key key : {Qt::Key_Z, Qt::Key_X, Qt::Key_C, Qt::Key_V, Qt::Key_A}) {
    QTest::keyClick(c->Widget(), key, Qt::ControlModifier);
  }
  EXPECT_EQ(canvasKeys.count, 5) << "every key reaches the canvas, none is taken by an item";
  for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditSelectAll"})
    EXPECT_FALSE(FindAction(win, name)->isEnabled()) << name;
}

// Whether an item can act is asked only for a key that may choose it: the
// question may wait on another program (Paste asks the clipboard's owner),
// and typing must not.
TEST_F(EditMenu, OnlyAKeyThatMayChooseAnItemAsksWhetherItCanAct) {
  struct AskedCanvas : fw::Canvas {
    mutable int asked = 0;
    bool CanEdit(const fw::String& /*itemName*/) const override {
      ++asked;
      return false;
    }
  };
  auto& asking = win.Add<AskedCanvas>("asking", fw::Control::kNoIndex, fwtest::Place(10, 130, 100, 30));
  asking.SetProperty("AcceptFocus", true);
  asking.Widget()->show();
  asking.Widget()->setFocus();
  ASSERT_EQ(QApplication::focusWidget(), asking.Widget());
  QTest::keyClicks(asking.Widget(), "zxcva 1,5");
  QTest::keyClick(asking.Widget(), Qt::Key_V, Qt::ShiftModifier);
  EXPECT_EQ(asking.asked, 0) << "typing asked the items";
  QTest::keyClick(asking.Widget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_GE(asking.asked, 1) << "the key of Paste did not ask";
}

struct App : fw::Application {
  std::vector<std::string>* log = nullptr;
  void Event_Open() override {
    log->push_back("App.Open");
    UseGDIPlus = true;
  }
};

TEST(ApplicationRun, OpenThenWindowThenLoopUntilQuit) {
  std::vector<std::string> log;
  App app;
  app.log = &log;
  EXPECT_EQ(fw::Application::Current(), &app);
  auto bar = MakeBar();
  app.SetMenuBar(bar.get());
  fwtest::HookWindow win;
  const fw::Integer status = app.Run([&] {
    log.push_back("default window");
    win.SetMenuBar(app.GetMenuBar());
    win.Open();
    QTimer::singleShot(0, [&] {
      log.push_back("in loop");
      FindAction(win, "FileQuit")->trigger();
    });
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"App.Open", "default window", "in loop"}));
  EXPECT_TRUE(app.UseGDIPlus);
}

TEST(ApplicationRun, QuitBeforeTheLoopEndsRunAtOnce) {
  App app;
  std::vector<std::string> log;
  app.log = &log;
  EXPECT_EQ(app.Run([&] { app.Quit(3); }), 3);
  // The next run is not affected.
  EXPECT_EQ(app.Run([&] { QTimer::singleShot(0, [&] { app.Quit(7); }); }), 7);
}

TEST(ApplicationRun, AnExceptionFromAHandlerEndsTheLoopWithStatusOne) {
  App app;
  std::vector<std::string> log;
  app.log = &log;
  fwtest::HookWindow win;
  fw::PushButton* b = nullptr;
  win.create = [&](fwtest::HookWindow& w) {
    b = &w.Add<fw::PushButton>("LosBut", fw::Control::kNoIndex, fwtest::Place(0, 0, 50, 50));
    b->AddEventHandler(fw::Event::Action,
                       [](fw::Control&, const fw::EventArgs&) -> bool { throw std::runtime_error("nil object"); });
  };
  const fw::Integer status = app.Run([&] {
    win.Open();
    QTimer::singleShot(0, [&] { QTest::mouseClick(b->Widget(), Qt::LeftButton); });
  });
  EXPECT_EQ(status, 1);
}

}  // namespace
