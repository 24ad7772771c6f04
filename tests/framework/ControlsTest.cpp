// The controls: labels, text fields, list boxes, sliders and buttons, driven
// through real widget events.
#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QSignalSpy>
#include <QSlider>
#include <QTableView>
#include <QTest>

#include <chrono>
#include <cmath>

#include "BevelButton.h"
#include "Fixture.h"
#include "Label.h"
#include "Listbox.h"
#include "PushButton.h"
#include "Slider.h"
#include "TextField.h"

namespace {

using fw::Color;
using fw::Control;
using fw::Event;
using fw::EventArgs;

int Counter(Control& c, Event e, int* n) {
  c.AddEventHandler(e, [n](Control&, const EventArgs&) {
    ++*n;
    return false;
  });
  return 0;
}

// ---- Label ----------------------------------------------------------------------

TEST(LabelTest, MouseDownGivesThePositionAndTheHandlersAnswer) {
  fwtest::HookWindow win;
  fw::Label* label = nullptr;
  int x = -1, y = -1;
  win.create = [&](fwtest::HookWindow& w) {
    label = &w.Add<fw::Label>("friLab", Control::kNoIndex, fwtest::Place(20, 20, 100, 36));
    label->AddEventHandler(Event::MouseDown, [&](Control&, const EventArgs& a) {
      x = a.x;
      y = a.y;
      return true;
    });
  };
  fwtest::ShowAndWait(win);
  QTest::mouseClick(label->Widget(), Qt::LeftButton, {}, QPoint(11, 13));
  EXPECT_EQ(x, 11);
  EXPECT_EQ(y, 13);
  EXPECT_TRUE(label->RaiseEvent(Event::MouseDown, EventArgs{nullptr, nullptr, 1, 1}));
}

TEST(LabelTest, StoredLookReachesTheWidget) {
  fw::Label label;
  fw::RuntimeMassPropertySetter(label, {{"Text", fw::String("Mit OK starten!")},
                                        {"TextFont", fw::String("Handwriting - Dakota")},
                                        {"TextSize", fw::Single(32)},
                                        {"TextColor", Color{255, 0, 0}},
                                        {"Multiline", true},
                                        {"TextAlign", 2},
                                        {"Bold", true}});
  auto* w = static_cast<QLabel*>(label.Widget());
  EXPECT_EQ(w->text(), QString("Mit OK starten!"));
  EXPECT_EQ(w->font().family(), QString("Dancing Script"));
  EXPECT_EQ(w->font().pixelSize(), 32);
  EXPECT_TRUE(w->font().bold());
  EXPECT_TRUE(w->wordWrap());
  EXPECT_TRUE(w->alignment() & Qt::AlignHCenter);
  EXPECT_EQ(w->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_FALSE(w->autoFillBackground());
  EXPECT_EQ(label.Text(), "Mit OK starten!");
}

TEST(LabelTest, LabelOverAFieldLetsTheFieldShowThrough) {
  fwtest::HookWindow win;
  win.create = [](fwtest::HookWindow& w) {
    w.Add<fw::TextField>(
        "friFld", Control::kNoIndex,
        {{"Left", 40}, {"Top", 40}, {"Width", 80}, {"Height", 35}, {"BackColor", Color{72, 255, 154}}});
    w.Add<fw::Label>("friLab", Control::kNoIndex, fwtest::Place(20, 41, 101, 36));
  };
  fwtest::ShowAndWait(win);
  const QImage shot = fwtest::Grab(win);
  EXPECT_EQ(QColor(shot.pixel(100, 60)), QColor(72, 255, 154));
}

// Red ink in an image: the cores and smoothed edges of red letters.
int RedInk(const QImage& img, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = img.pixelColor(x, y);
      n += c.red() - std::max(c.green(), c.blue()) > 40 ? 1 : 0;
    }
  return n;
}

// A script letter wider or further right in its stand-in font than its label
// allows ("C" in "Mistral" 50 in 33 x 49 pixels) shows whole, inside the
// label; a text that fits is drawn where the toolkit's own label puts it.
TEST(LabelTest, AScriptLetterShowsWholeInItsLabelAndFittingTextStaysPut) {
  const auto make = [](const char* text, const char* font, float size, int width, int height) {
    auto label = std::make_unique<fw::Label>();
    fw::RuntimeMassPropertySetter(*label, {{"Width", width},
                                           {"Height", height},
                                           {"Text", fw::String(text)},
                                           {"TextFont", fw::String(font)},
                                           {"TextSize", fw::Single(size)},
                                           {"TextColor", Color{255, 0, 0}}});
    return label;
  };
  // Left-aligned as the area letter "C" stands, and centred.
  for (const int align : {0, 2}) {
    const char* letter = "C";
    const auto label = make(letter, "Mistral", 50, 33, 49);
    label->SetTextAlign(align);
    const QImage shot = label->Widget()->grab().toImage();
    // The letter alone, placed alike but where nothing cuts it.
    QImage free(200, 200, QImage::Format_RGB32);
    free.fill(label->Widget()->palette().color(QPalette::Window));
    {
      QPainter p(&free);
      p.setFont(label->Widget()->font());
      p.setPen(Qt::red);
      const Qt::Alignment across = align == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
      p.drawText(QRect(60, 60, 33, 49), static_cast<int>(across | Qt::AlignVCenter | Qt::TextDontClip), letter);
    }
    EXPECT_EQ(RedInk(shot, shot.rect()), RedInk(free, free.rect())) << "cut, aligned " << align;
    // Nothing touches the edge.
    EXPECT_EQ(RedInk(shot, shot.rect()), RedInk(shot, shot.rect().adjusted(1, 1, -1, -1))) << align;
  }
  const auto mine = make("Regler     Strecke", "System", 23, 193, 32);
  QLabel plain(QStringLiteral("Regler     Strecke"));
  plain.setGeometry(0, 0, 193, 32);
  plain.setFont(mine->Widget()->font());
  plain.setPalette(mine->Widget()->palette());
  plain.setAlignment(static_cast<QLabel*>(mine->Widget())->alignment());
  EXPECT_EQ(mine->Widget()->grab().toImage(), plain.grab().toImage());
}

// ---- TextField ---------------------------------------------------------------------

TEST(TextFieldTest, TextChangeForTypingAndForTheProgram) {
  fwtest::HookWindow win;
  fw::TextField* field = nullptr;
  std::vector<std::string> seen;
  win.create = [&](fwtest::HookWindow& w) {
    field = &w.Add<fw::TextField>("yFld", Control::kNoIndex, fwtest::Place(10, 10, 80, 28));
    field->AddEventHandler(Event::TextChange, [&](Control& c, const EventArgs&) {
      seen.push_back(static_cast<fw::TextField&>(c).Text());
      return false;
    });
  };
  fwtest::ShowAndWait(win);
  field->SetText("100");
  EXPECT_EQ(seen, (std::vector<std::string>{"100"}));
  field->SetText("100");  // no change, no event
  EXPECT_EQ(seen.size(), 1u);
  field->Widget()->setFocus();
  QTest::keyClick(field->Widget(), Qt::Key_End);
  QTest::keyClicks(field->Widget(), "5");
  QTest::keyClick(field->Widget(), Qt::Key_Backspace);
  EXPECT_EQ(seen, (std::vector<std::string>{"100", "1005", "100"}));
  field->SetText("Stoß τ");
  EXPECT_EQ(field->Text(), "Stoß τ");
}

TEST(TextFieldTest, EditCommandsRespectReadOnly) {
  fw::TextField field;
  field.SetText("Sprung");
  field.SelectAll();
  field.Cut();
  EXPECT_EQ(field.Text(), "");
  field.Paste();
  EXPECT_EQ(field.Text(), "Sprung");
  field.Undo();
  EXPECT_EQ(field.Text(), "");

  field.SetText("Hand");
  field.SetReadOnly(true);
  field.SelectAll();
  field.Cut();
  field.Clear();
  field.Paste();
  EXPECT_EQ(field.Text(), "Hand");
  field.SetReadOnly(false);
  field.SelectAll();
  field.Clear();
  EXPECT_EQ(field.Text(), "");
}

TEST(TextFieldTest, StoredLook) {
  fw::TextField field;
  fw::RuntimeMassPropertySetter(field, {{"BackColor", Color{72, 255, 154}},
                                        {"ReadOnly", true},
                                        {"Alignment", 3},
                                        {"Border", false},
                                        {"TextSize", fw::Single(21)}});
  auto* w = static_cast<QLineEdit*>(field.Widget());
  EXPECT_EQ(w->palette().color(QPalette::Base), QColor(72, 255, 154));
  EXPECT_TRUE(w->isReadOnly());
  EXPECT_TRUE(w->alignment() & Qt::AlignRight);
  EXPECT_FALSE(w->hasFrame());
  EXPECT_EQ(w->font().pixelSize(), 21);
}

TEST(TextFieldTest, DisabledFieldShowsItsBackgroundOnScreen) {
  fw::TextField field;
  fw::RuntimeMassPropertySetter(field, {{"Width", 80},
                                        {"Height", 35},
                                        {"BackColor", Color{72, 255, 154}},
                                        {"Enabled", false},
                                        {"Text", fw::String("Stoß")}});
  const QImage shot = field.Widget()->grab().toImage();
  EXPECT_EQ(QColor(shot.pixel(shot.width() - 6, shot.height() / 2)), QColor(72, 255, 154));
}

// ---- Listbox -----------------------------------------------------------------------

TEST(ListboxTest, RowsCellsAndTheirBounds) {
  fw::Listbox list;
  list.SetColumnCount(5);
  EXPECT_EQ(list.ListCount(), 0);
  list.AddRow("0");
  EXPECT_EQ(list.ListCount(), 1);
  list.AddRow(std::vector<fw::String>{"1", " 2.00", " -3.00", "x", "y", "beyond"});
  EXPECT_EQ(list.Cell(1, 0), "1");
  EXPECT_EQ(list.Cell(1, 2), " -3.00");
  EXPECT_EQ(list.Cell(1, 5), "");  // past the columns
  list.SetCell(0, 4, " 7.00");
  EXPECT_EQ(list.Cell(0, 4), " 7.00");
  EXPECT_EQ(list.Cell(0, 1), "");
  for (auto [r, c] : {std::pair{-1, 0}, {0, -1}, {2, 0}, {0, 5}, {-2147483647 - 1, 2147483647}}) {
    list.SetCell(r, c, "no");
    EXPECT_EQ(list.Cell(r, c), "") << r << "," << c;
  }
  list.SetColumnCount(0);
  EXPECT_EQ(list.ColumnCount(), 1);
  list.SetColumnCount(100000);
  EXPECT_EQ(list.ColumnCount(), 256);
  list.DeleteAllRows();
  EXPECT_EQ(list.ListCount(), 0);
  EXPECT_EQ(list.Cell(0, 0), "");
}

// Rows handed over together land as AddRow of each would put them, in one
// insertion that the view sees once.
TEST(ListboxTest, RowsAddedTogetherComeInOneInsertion) {
  fw::Listbox list;
  list.SetColumnCount(3);
  list.AddRow("first");
  auto* model = static_cast<QTableView*>(list.Widget())->model();
  QSignalSpy inserted(model, &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
  list.AddRows({{"1", " 2.00", " 3.00", "beyond"}, {}, {"3"}});
  ASSERT_EQ(inserted.size(), 1);
  EXPECT_EQ(inserted[0][1].toInt(), 1);
  EXPECT_EQ(inserted[0][2].toInt(), 3);
  EXPECT_EQ(changed.size(), 0);
  EXPECT_EQ(list.ListCount(), 4);
  EXPECT_EQ(list.Cell(1, 2), " 3.00");
  EXPECT_EQ(list.Cell(1, 3), "");  // past the columns
  EXPECT_EQ(list.Cell(2, 0), "");
  EXPECT_EQ(list.Cell(3, 0), "3");
  list.AddRows({});
  EXPECT_EQ(inserted.size(), 1);
  EXPECT_EQ(list.ListCount(), 4);
}

TEST(ListboxTest, FiveHundredOneRowsOfFiveCellsAreCheapAndShown) {
  fwtest::HookWindow win;
  fw::Listbox* list = nullptr;
  win.create = [&](fwtest::HookWindow& w) {
    list = &w.Add<fw::Listbox>("SigLst", Control::kNoIndex, fwtest::Place(10, 10, 400, 355));
  };
  fwtest::ShowAndWait(win);
  list->SetTextSize(16);
  list->SetGridLinesVertical(3);
  list->SetColumnWidths("40");
  list->SetColumnCount(5);
  list->DeleteAllRows();
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i <= 500; ++i) {
    list->AddRow(std::to_string(i));
    for (int c = 1; c < 5; ++c) list->SetCell(list->ListCount() - 1, c, " 1.00");
  }
  QApplication::processEvents();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 2.0);
  EXPECT_EQ(list->ListCount(), 501);
  EXPECT_EQ(list->Cell(500, 0), "500");
  auto* view = static_cast<QTableView*>(list->Widget());
  EXPECT_EQ(view->model()->rowCount(), 501);
  EXPECT_EQ(view->model()->data(view->model()->index(500, 0)).toString(), QString("500"));
  EXPECT_TRUE(view->findChildren<QLineEdit*>().isEmpty());
  EXPECT_TRUE(view->horizontalHeader()->isHidden());
  // Column 0 is 40 pixels; the other four share the rest.
  const int rest = view->viewport()->width() - 40;
  EXPECT_EQ(view->columnWidth(0), 40);
  for (int c = 1; c < 5; ++c) EXPECT_EQ(view->columnWidth(c), rest / 4);
  EXPECT_EQ(view->font().pixelSize(), 16);
}

TEST(ListboxTest, VerticalGridLinesShowBetweenColumns) {
  fwtest::HookWindow win;
  fw::Listbox* list = nullptr;
  win.create = [&](fwtest::HookWindow& w) {
    list = &w.Add<fw::Listbox>("SigLst", Control::kNoIndex, fwtest::Place(0, 0, 300, 200));
  };
  fwtest::ShowAndWait(win);
  list->SetColumnCount(2);
  list->SetColumnWidths("40");
  list->AddRow("");
  const auto lineAt = [&](int x) {
    const QImage img = list->Widget()->grab().toImage();
    auto* view = static_cast<QTableView*>(list->Widget());
    const QPoint p = view->viewport()->mapTo(view, QPoint(x, view->rowHeight(0) / 2));
    return QColor(img.pixel(p)) != QColor(img.pixel(p + QPoint(5, 0)));
  };
  EXPECT_FALSE(lineAt(39));
  list->SetGridLinesVertical(3);
  EXPECT_TRUE(lineAt(39));
}

// A list laid out like the program's value table: a 40-pixel step column and
// four columns of about 80 pixels, 16-pixel text.
struct ValueTable : ::testing::Test {
  ValueTable() {
    win.create = [this](fwtest::HookWindow& w) {
      list = &w.Add<fw::Listbox>("SigLst", Control::kNoIndex, fwtest::Place(10, 10, 400, 355));
      other = &w.Add<fw::Listbox>("other", Control::kNoIndex, fwtest::Place(420, 10, 400, 355));
    };
    fwtest::ShowAndWait(win);
    for (fw::Listbox* l : {list, other}) {
      l->SetTextSize(16);
      l->SetGridLinesVertical(3);
      l->SetColumnWidths("40");
      l->SetColumnCount(5);
    }
  }
  QTableView* view() const { return static_cast<QTableView*>(list->Widget()); }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, modifiers,
                      view()->visualRect(view()->model()->index(row, 2)).center());
  }
  static std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }

  fwtest::HookWindow win;
  fw::Listbox* list = nullptr;
  fw::Listbox* other = nullptr;
};

TEST_F(ValueTable, NumbersTooWideForTheirColumnStayReadableNumbers) {
  const char* const numbers[] = {" 1.50",
                                 " -12345.67",
                                 " 123456.79",
                                 " -98765432.10",
                                 " 1234567890123.45",
                                 " 1000000000000000019884624838656.00",
                                 " -339999999999999996123846586046231871488.00",
                                 " 0.00"};
  const int room = view()->columnWidth(1);
  for (const char* text : numbers) {
    list->DeleteAllRows();
    list->AddRow(std::vector<fw::String>{"500", text});
    const QString shown = QString::fromStdString(list->ShownText(0, 1));
    EXPECT_FALSE(shown.contains(QChar(0x2026))) << text << " shows " << shown.toStdString();
    EXPECT_LE(QFontMetrics(view()->font()).horizontalAdvance(shown), room) << text;
    bool ok = false;
    const double value = QLocale::c().toDouble(shown.trimmed(), &ok);
    ASSERT_TRUE(ok) << text << " shows " << shown.toStdString();
    const double exact = QLocale::c().toDouble(QString(text).trimmed());
    EXPECT_LE(std::abs(value - exact), 0.005 * std::abs(exact)) << text << " shows " << shown.toStdString();
    EXPECT_EQ(list->ShownText(0, 0), "500");
  }
  EXPECT_EQ(list->ShownText(0, 1), " 0.00");  // what fits stays as it is
  list->AddRow(std::vector<fw::String>{"1", " 2.00", " ∞", " NaN", " Kurvenzug vervollständigen"});
  EXPECT_EQ(list->ShownText(1, 2), " ∞");
  EXPECT_EQ(list->ShownText(1, 3), " NaN");
  EXPECT_EQ(list->ShownText(1, 4).substr(0, 5), " Kurv");
  EXPECT_EQ(QString::fromStdString(list->ShownText(1, 4)).back(), QChar(0x2026)) << "other text is cut off";
  EXPECT_EQ(list->ShownText(9, 1), "");
  EXPECT_EQ(list->ShownText(0, 9), "");
}

// What ShownText says is what the cell shows, uncut: the same pixels as the
// shown text in a column wide enough for it. Numbers of many lengths in
// columns of a pixel more or less, so that some just fit and some just not.
TEST_F(ValueTable, TheCellShowsTheShortenedNumberUncut) {
  other->SetColumnWidths("40,300");
  list->Widget()->clearFocus();  // the cells alone, without the focused table's mark along the edge
  const auto cell = [](fw::Listbox* l, const QRect& r) {
    return static_cast<QTableView*>(l->Widget())->viewport()->grab(r).toImage();
  };
  for (int width = 70; width <= 95; ++width) {
    list->SetColumnWidths("40," + fw::Str(width));
    std::string digits = " -1";
    for (int n = 1; n <= 12; ++n, digits += static_cast<char>('0' + n % 10)) {
      const fw::String text = digits + ".50";
      list->DeleteAllRows();
      other->DeleteAllRows();
      list->AddRow(std::vector<fw::String>{"7", text});
      other->AddRow(std::vector<fw::String>{"7", list->ShownText(0, 1)});
      QApplication::processEvents();
      const QRect r = view()->visualRect(view()->model()->index(0, 1)).adjusted(0, 0, -1, 0);  // less the grid line
      ASSERT_EQ(cell(list, r), cell(other, r)) << text << " in " << width << " pixels shows " << list->ShownText(0, 1);
    }
  }
}

TEST_F(ValueTable, CopyKeyPutsTheSelectedRowsOrAllOnTheClipboard) {
  for (int t = 0; t <= 3; ++t) {
    list->AddRow(std::vector<fw::String>{fw::Str(t), " " + fw::Str(t) + ".50", " -1.00", " 0.00"});
  }
  list->Widget()->setFocus();
  QGuiApplication::clipboard()->setText("vorher");
  QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard(),
            "0\t0.50\t-1.00\t0.00\t\n1\t1.50\t-1.00\t0.00\t\n2\t2.50\t-1.00\t0.00\t\n3\t3.50\t-1.00\t0.00\t");
  // Rows in their order, whatever the order of choosing them.
  ClickRow(3);
  ClickRow(1, Qt::ControlModifier);
  QTest::keyClick(view(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(Clipboard(), "1\t1.50\t-1.00\t0.00\t\n3\t3.50\t-1.00\t0.00\t");
  ClickRow(0);
  ClickRow(2, Qt::ShiftModifier);
  list->Copy();
  EXPECT_EQ(Clipboard(), "0\t0.50\t-1.00\t0.00\t\n1\t1.50\t-1.00\t0.00\t\n2\t2.50\t-1.00\t0.00\t");
  // A cell's own tab or line break does not split it.
  list->SetCell(0, 4, "a\tb\nc ");
  ClickRow(0);
  list->Copy();
  EXPECT_EQ(Clipboard(), "0\t0.50\t-1.00\t0.00\ta b c");
  // An empty list leaves the clipboard alone.
  list->DeleteAllRows();
  QGuiApplication::clipboard()->setText("vorher");
  list->Copy();
  EXPECT_EQ(Clipboard(), "vorher");
}

// Tab and Shift+Tab leave the table at once and select nothing; the arrow
// and paging keys, Home and End move through its rows.
TEST_F(ValueTable, IsOneTabStopAndTheKeysMoveThroughItsRows) {
  for (int t = 0; t <= 60; ++t) list->AddRow(std::vector<fw::String>{fw::Str(t), " 1.00", " 2.00", " 3.00", " 4.00"});
  other->AddRow("0");
  win.Widget()->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(win.Widget()));
  const auto key = [](int k, Qt::KeyboardModifiers m = {}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), m);
  };
  const auto row = [this] { return view()->currentIndex().row(); };
  view()->setFocus(Qt::TabFocusReason);
  key(Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), other->Widget());
  key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), view());
  key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), other->Widget());
  key(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), view());
  EXPECT_FALSE(view()->selectionModel()->hasSelection());

  key(Qt::Key_Down);
  key(Qt::Key_Down);
  EXPECT_EQ(row(), 2);
  key(Qt::Key_PageDown);
  const int page = row();
  EXPECT_GT(page, 10);
  key(Qt::Key_PageUp);
  EXPECT_EQ(row(), 2);
  key(Qt::Key_End);
  EXPECT_EQ(row(), 60);
  key(Qt::Key_Up);
  EXPECT_EQ(row(), 59);
  key(Qt::Key_Home);
  EXPECT_EQ(row(), 0);
  EXPECT_EQ(QApplication::focusWidget(), view());
  list->Copy();
  EXPECT_EQ(Clipboard(), "0\t1.00\t2.00\t3.00\t4.00") << "the row the keys went to is selected";
}

// ---- Slider --------------------------------------------------------------------------

TEST(SliderTest, SettingTheValueRaisesAtOnceAlsoInsideItsOwnHandler) {
  fw::Slider s;
  std::vector<int> seen;
  s.AddEventHandler(Event::ValueChanged, [&](Control& c, const EventArgs&) {
    auto& me = static_cast<fw::Slider&>(c);
    seen.push_back(me.Value());
    if (me.Value() == 10) me.SetValue(20);  // re-entrant: raises before this handler ends
    seen.push_back(-me.Value());
    return false;
  });
  s.SetValue(10);
  EXPECT_EQ(seen, (std::vector<int>{10, 20, -20, -20}));
  seen.clear();
  s.SetValue(20);  // unchanged: no event
  EXPECT_TRUE(seen.empty());
  s.SetValue(1000);  // clamped to the maximum
  EXPECT_EQ(s.Value(), 100);
  EXPECT_EQ(seen, (std::vector<int>{100, -100}));
}

TEST(SliderTest, ARunawayHandlerStopsNesting) {
  fw::Slider s;
  s.SetMaximum(1000000);
  int raised = 0;
  s.AddEventHandler(Event::ValueChanged, [&](Control& c, const EventArgs&) {
    ++raised;
    auto& me = static_cast<fw::Slider&>(c);
    me.SetValue(me.Value() + 1);
    return false;
  });
  s.SetValue(1);
  EXPECT_EQ(raised, 64);
  EXPECT_EQ(s.Value(), 65);
}

TEST(SliderTest, RangesInvertedRangesAndStoredValues) {
  fw::Slider s;
  int raised = 0;
  // Stored values are accepted as stored, in any order.
  fw::RuntimeMassPropertySetter(s, {{"Minimum", 1}, {"Value", 0}, {"Maximum", 0}});
  EXPECT_EQ(s.Minimum(), 1);
  EXPECT_EQ(s.Maximum(), 0);
  EXPECT_EQ(s.Value(), 0);
  Counter(s, Event::ValueChanged, &raised);
  s.SetMinimum(-100);  // value still inside: no event
  s.SetMaximum(100);
  EXPECT_EQ(raised, 0);
  s.SetValue(50);
  EXPECT_EQ(raised, 1);
  s.SetMaximum(30);  // moves the value into the range, which is a change
  EXPECT_EQ(s.Value(), 30);
  EXPECT_EQ(raised, 2);
  s.SetMinimum(80);  // inverted: kept, the value left alone
  EXPECT_EQ(s.Minimum(), 80);
  EXPECT_EQ(s.Value(), 30);
  EXPECT_EQ(raised, 2);
  s.SetValue(-2147483647 - 1);  // within the inverted bounds' span
  EXPECT_EQ(s.Value(), 30);
  s.SetMinimum(-2147483647 - 1);
  s.SetMaximum(2147483647);
  s.SetValue(2147483647);
  EXPECT_EQ(s.Value(), 2147483647);
  s.SetLineStep(-5);
  EXPECT_EQ(s.LineStep(), 0);
}

TEST(SliderTest, OrientationFollowsTheShape) {
  fw::Slider tall, wide;
  fw::RuntimeMassPropertySetter(tall, fwtest::Place(654, 40, 25, 417));
  fw::RuntimeMassPropertySetter(wide, fwtest::Place(678, 457, 510, 23));
  EXPECT_EQ(static_cast<QSlider*>(tall.Widget())->orientation(), Qt::Vertical);
  EXPECT_EQ(static_cast<QSlider*>(wide.Widget())->orientation(), Qt::Horizontal);
  EXPECT_FALSE(static_cast<QSlider*>(tall.Widget())->invertedAppearance());  // maximum at the top
}

TEST(SliderTest, KeysReportAtOnceDragsOnRelease) {
  fwtest::HookWindow win;
  fw::Slider* s = nullptr;
  std::vector<int> seen;
  win.create = [&](fwtest::HookWindow& w) {
    s = &w.Add<fw::Slider>("SlidX", Control::kNoIndex, fwtest::Place(10, 10, 300, 23));
    s->AddEventHandler(Event::ValueChanged, [&](Control& c, const EventArgs&) {
      seen.push_back(static_cast<fw::Slider&>(c).Value());
      return false;
    });
  };
  fwtest::ShowAndWait(win);
  s->Widget()->setFocus();
  QTest::keyClick(s->Widget(), Qt::Key_Right);
  EXPECT_EQ(seen, (std::vector<int>{1}));
  QTest::keyClick(s->Widget(), Qt::Key_PageUp);
  EXPECT_EQ(seen, (std::vector<int>{1, 21}));
  // A drag with LiveScroll False: the value comes when the knob is let go.
  auto* q = static_cast<QSlider*>(s->Widget());
  seen.clear();
  q->setSliderDown(true);
  q->setSliderPosition(60);
  q->setSliderPosition(70);
  EXPECT_TRUE(seen.empty());
  q->setSliderDown(false);
  EXPECT_EQ(seen, (std::vector<int>{70}));
  EXPECT_EQ(s->Value(), 70);
}

// ---- Buttons -----------------------------------------------------------------------

TEST(PushButtonTest, ClickRaisesActionUnlessDisabled) {
  fwtest::HookWindow win;
  fw::PushButton* b = nullptr;
  int actions = 0;
  win.create = [&](fwtest::HookWindow& w) {
    b = &w.Add<fw::PushButton>("LosBut", Control::kNoIndex,
                               {{"Left", 10},
                                {"Top", 10},
                                {"Width", 112},
                                {"Height", 106},
                                {"Caption", fw::String("OK")},
                                {"TextSize", fw::Single(48)},
                                {"Bold", true}});
    Counter(*b, Event::Action, &actions);
  };
  fwtest::ShowAndWait(win);
  QTest::mouseClick(b->Widget(), Qt::LeftButton);
  EXPECT_EQ(actions, 1);
  b->Push();
  EXPECT_EQ(actions, 2);
  b->SetEnabled(false);
  QTest::mouseClick(b->Widget(), Qt::LeftButton);
  b->Push();
  EXPECT_EQ(actions, 2);
  EXPECT_EQ(b->Widget()->font().pixelSize(), 48);
  EXPECT_TRUE(b->Widget()->font().bold());
}

struct BevelTest : ::testing::Test {
  BevelTest() {
    win.create = [this](fwtest::HookWindow& w) {
      cut = &w.Add<fw::BevelButton>("CutBut", Control::kNoIndex,
                                    {{"Left", 10},
                                     {"Top", 10},
                                     {"Width", 53},
                                     {"Height", 101},
                                     {"Caption", fw::String("CUT")},
                                     {"TextSize", fw::Single(18)},
                                     {"Bold", true},
                                     {"Bevel", 1},
                                     {"HasBackColor", true},
                                     {"BackColor", Color{0, 0, 0}},
                                     {"TextColor", Color{0, 0, 0}}});
      Counter(*cut, Event::Action, &actions);
    };
    fwtest::ShowAndWait(win);
  }
  // How many pixels of the face show the colour.
  int Count(QColor c) {
    const QImage img = cut->Widget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int n = 0;
    for (int y = 4; y < img.height() - 4; ++y)
      for (int x = 4; x < img.width() - 4; ++x) n += QColor(img.pixel(x, y)) == c ? 1 : 0;
    return n;
  }
  fwtest::HookWindow win;
  fw::BevelButton* cut = nullptr;
  int actions = 0;
};

TEST_F(BevelTest, ClickRaisesActionAndLeavesValueAlone) {
  QTest::mouseClick(cut->Widget(), Qt::LeftButton);
  EXPECT_EQ(actions, 1);
  EXPECT_FALSE(cut->Value());
  cut->SetValue(true);
  EXPECT_EQ(actions, 1);  // setting Value is no click
  QTest::mouseClick(cut->Widget(), Qt::LeftButton);
  cut->Push();
  EXPECT_EQ(actions, 3);
  EXPECT_TRUE(cut->Value());
}

TEST_F(BevelTest, BlackCaptionOnBlackFaceIsDrawnReadable) {
  const int black = Count(QColor(0, 0, 0));
  EXPECT_GT(black, 53 * 101 / 2);               // the face is black
  EXPECT_GT(Count(QColor(255, 255, 255)), 20);  // the caption stands out in white
  // Pressed (Value True) looks different from released.
  const QImage up = cut->Widget()->grab().toImage();
  cut->SetValue(true);
  const QImage down = cut->Widget()->grab().toImage();
  EXPECT_NE(up, down);
  cut->SetValue(false);
  EXPECT_EQ(up, cut->Widget()->grab().toImage());
}

}  // namespace

namespace {

double Luminance(QRgb c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}
double Contrast(QRgb a, QRgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// The focused table shows a mark along its edge, with rows and without,
// at 3 : 1 at least against the window outside and the cells inside.
TEST_F(ValueTable, TheFocusMarkStandsOutWithRowsAndWithout) {
  for (const bool rows : {false, true}) {
    list->DeleteAllRows();
    if (rows) list->AddRow(std::vector<fw::String>{"0", " 1.50"});
    other->Widget()->setFocus();
    QApplication::processEvents();
    const QImage without = fwtest::Grab(win);
    list->Widget()->setFocus();
    QApplication::processEvents();
    const QImage with = fwtest::Grab(win);
    // The table at (10, 10), 400 x 355: its left and bottom edges, beside a row.
    for (const auto& [mark, outside, inside] : {std::tuple{QPoint(11, 15), QPoint(8, 15), QPoint(14, 15)},
                                                std::tuple{QPoint(200, 363), QPoint(200, 366), QPoint(200, 360)}}) {
      EXPECT_GE(Contrast(with.pixel(mark), with.pixel(outside)), 3.0) << rows << " " << mark.x() << "," << mark.y();
      EXPECT_GE(Contrast(with.pixel(mark), with.pixel(inside)), 3.0) << rows << " " << mark.x() << "," << mark.y();
      EXPECT_GE(Contrast(with.pixel(mark), without.pixel(mark)), 3.0) << rows << " " << mark.x() << "," << mark.y();
    }
  }
}
