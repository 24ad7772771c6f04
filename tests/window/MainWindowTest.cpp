// The opened window: start state, stored window values, start-up and menus.
#include <QAction>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QTimer>

#include "App.h"
#include "WindowFixture.h"

TEST_F(OpenWindow, OpensInTheStartPhaseWithFreshState) {
  EXPECT_EQ(q().Phase, 1);
  EXPECT_EQ(q().nSg, 4);
  EXPECT_EQ(q().nParam, 6);
  ASSERT_NE(q().Instruction(), nullptr);
  EXPECT_EQ(q().Instruction()->Text(), "Mit OK starten!");
  EXPECT_EQ(q().Time, 0);
  EXPECT_FALSE(q().cut);
  EXPECT_FALSE(q().parKorr);
  EXPECT_EQ(q().s.SignalBound(), 0);
  EXPECT_EQ(q().s.StepBound(), 0);
  EXPECT_EQ(q().s(0, 0), 0.0f);
  EXPECT_EQ(q().ix, std::vector<fw::Integer>{0});
  EXPECT_EQ(q().iy, std::vector<fw::Integer>{0});
  for (fw::Integer v : {q().iSg, q().boxIndex, q().actual, q().wNorm, q().RecMax, q().dx, q().dy}) EXPECT_EQ(v, 0);
  ASSERT_NE(q().diagram(), nullptr);
  EXPECT_EQ(q().diagram()->Width(), 500);
}

TEST_F(OpenWindow, HasItsStoredSizeTitleAndButtons) {
  EXPECT_EQ(q().Width(), 1200);
  EXPECT_EQ(q().Height(), 700);
  EXPECT_EQ(q().Title(), "Quenlo");
  EXPECT_EQ(q().Frame(), 0);
  EXPECT_EQ(q().MinWidth(), 64);
  EXPECT_EQ(q().MinHeight(), 64);
  EXPECT_EQ(q().MaxWidth(), 32000);
  EXPECT_EQ(q().MaxHeight(), 32000);
  EXPECT_TRUE(q().Resizeable());
  EXPECT_TRUE(q().Visible());

  QMainWindow* w = q().Widget();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->windowTitle(), QString("Quenlo"));
  EXPECT_TRUE(w->isVisible());
  const Qt::WindowFlags flags = w->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowFullscreenButtonHint));
}

TEST_F(OpenWindow, ShowsTheMenuBarItWasGiven) {
  EXPECT_EQ(q().GetMenuBar(), &bar());
  ASSERT_EQ(bar().Count(), 2);
  EXPECT_EQ(bar().Item(0), q().FileMenu());
  EXPECT_EQ(bar().Item(1), q().EditMenu());

  // Every accessor finds its item; texts and shortcuts as the user sees them.
  struct Row {
    fw::MenuItem* item;
    const char* text;
    const char* shortcut;
  };
  const Row rows[] = {
      {q().FileMenu(), "&Ablage", ""},
      {q().FileQuit(), "Beenden", "Cmd+Q"},
      {q().EditMenu(), "&Bearbeiten", ""},
      {q().EditUndo(), "&Rückgängig", "Cmd+Z"},
      {q().UntitledMenu1(), "-", ""},
      {q().EditCut(), "&Ausschneiden", "Cmd+X"},
      {q().EditCopy(), "&Kopieren", "Cmd+C"},
      {q().EditPaste(), "&Einfügen", "Cmd+V"},
      {q().EditClear(), "&Löschen", ""},
      {q().UntitledMenu0(), "-", ""},
      {q().EditSelectAll(), "&Alles auswählen", "Cmd+A"},
  };
  for (const Row& r : rows) {
    ASSERT_NE(r.item, nullptr) << r.text;
    EXPECT_EQ(r.item->Text, r.text);
    EXPECT_EQ(r.item->KeyboardShortcut, r.shortcut) << r.text;
    EXPECT_TRUE(r.item->AutoEnable);
    EXPECT_TRUE(r.item->Visible);
  }
  ASSERT_EQ(q().FileMenu()->Count(), 1);
  ASSERT_EQ(q().EditMenu()->Count(), 8);
  EXPECT_EQ(q().EditMenu()->Item(1), q().UntitledMenu1());
  EXPECT_EQ(q().EditMenu()->Item(6), q().UntitledMenu0());
  EXPECT_EQ(q().EditMenu()->Item(7), q().EditSelectAll());
  // The block's menu handler name is no item of the bar.
  EXPECT_EQ(bar().Lookup("Untitled"), nullptr);
}

TEST_F(OpenWindow, ToolkitMenuBarCarriesTextsSeparatorsAndShortcuts) {
  QMenuBar* menuBar = q().Widget()->menuBar();
  ASSERT_NE(menuBar, nullptr);
  const QList<QAction*> menus = menuBar->actions();
  ASSERT_EQ(menus.size(), 2);
  EXPECT_EQ(menus[0]->text(), QString("&Ablage"));
  EXPECT_EQ(menus[1]->text(), QString("&Bearbeiten"));
  ASSERT_NE(menus[0]->menu(), nullptr);
  ASSERT_NE(menus[1]->menu(), nullptr);

  const QList<QAction*> file = menus[0]->menu()->actions();
  ASSERT_EQ(file.size(), 1);
  EXPECT_EQ(file[0]->text(), QString("Beenden"));
  EXPECT_EQ(file[0]->shortcut(), QKeySequence("Ctrl+Q"));

  struct Row {
    const char* text;  // nullptr: a separator
    const char* shortcut;
  };
  const Row edit[] = {{"&Rückgängig", "Ctrl+Z"},
                      {nullptr, ""},
                      {"&Ausschneiden", "Ctrl+X"},
                      {"&Kopieren", "Ctrl+C"},
                      {"&Einfügen", "Ctrl+V"},
                      {"&Löschen", ""},
                      {nullptr, ""},
                      {"&Alles auswählen", "Ctrl+A"}};
  const QList<QAction*> actions = menus[1]->menu()->actions();
  ASSERT_EQ(actions.size(), 8);
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(actions[i]->isSeparator(), edit[i].text == nullptr);
    if (edit[i].text != nullptr) {
      EXPECT_EQ(actions[i]->text(), QString::fromUtf8(edit[i].text));
    }
    EXPECT_EQ(actions[i]->shortcut(), QKeySequence(edit[i].shortcut));
  }
}

// The program's start-up in small: the application opens, the default-window
// callback makes the window once, and the quit item ends the loop.
TEST(StartUp, AppOpensTheWindowAndTheQuitItemEndsTheLoop) {
  App app;
  MenuBar1 bar;
  app.SetMenuBar(&bar);
  std::unique_ptr<Q> window;
  int calls = 0;
  // A loop that the quit item fails to end ends here, with another status.
  QObject guard;
  QTimer::singleShot(10000, &guard, [&app] { app.Quit(99); });
  const fw::Integer status = app.Run([&] {
    ++calls;
    if (window) return;
    window = std::make_unique<Q>(&bar);
    window->Open();
    QTimer::singleShot(0, &guard, [&] { window->FileQuit()->Action(); });
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(app.UseGDIPlus);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetMenuBar(), app.GetMenuBar());
  EXPECT_EQ(window->Phase, 1);
  window.reset();
  app.SetMenuBar(nullptr);
}
