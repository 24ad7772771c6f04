#include "Listbox.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <set>

#include "ListText.h"
#include "detail/ControlInternal.h"
#include "detail/DevicePixelsInternal.h"

namespace fw {

namespace {
constexpr Integer kMaxColumns = 256;
}

// The rows of a list box: plain texts, converted for the view only when a
// cell is shown.
class ListboxModel : public QAbstractTableModel {
 public:
  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : columns_; }
  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole) return detail::ToQ(Cell(index.row(), index.column()));
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    return {};
  }

  int Columns() const { return columns_; }
  void SetColumns(int n) {
    n = std::clamp(n, 1, kMaxColumns);
    if (n == columns_) return;
    beginResetModel();
    columns_ = n;
    for (auto& row : rows_) {
      if (static_cast<int>(row.size()) > n) row.resize(static_cast<std::size_t>(n));
    }
    endResetModel();
  }
  // Appends the rows (as many as the model can count), each cut to the columns.
  void Append(std::vector<std::vector<String>> rows) {
    constexpr auto kMaxRows = static_cast<std::size_t>(std::numeric_limits<int>::max() - 1);
    if (rows.size() > kMaxRows - rows_.size()) rows.resize(kMaxRows - rows_.size());
    if (rows.empty()) return;
    for (auto& cells : rows) {
      if (static_cast<int>(cells.size()) > columns_) cells.resize(static_cast<std::size_t>(columns_));
    }
    const int at = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), at, at + static_cast<int>(rows.size()) - 1);
    rows_.insert(rows_.end(), std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
    endInsertRows();
  }
  Integer Count() const { return static_cast<Integer>(rows_.size()); }
  String Cell(Integer row, Integer column) const {
    if (row < 0 || column < 0 || column >= columns_ || static_cast<std::size_t>(row) >= rows_.size()) return {};
    const auto& r = rows_[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(column) < r.size() ? r[static_cast<std::size_t>(column)] : String{};
  }
  void SetCell(Integer row, Integer column, const String& text) {
    if (row < 0 || column < 0 || column >= columns_ || static_cast<std::size_t>(row) >= rows_.size()) return;
    auto& r = rows_[static_cast<std::size_t>(row)];
    if (r.size() <= static_cast<std::size_t>(column)) r.resize(static_cast<std::size_t>(column) + 1);
    r[static_cast<std::size_t>(column)] = text;
    const QModelIndex i = index(row, column);
    emit dataChanged(i, i, {Qt::DisplayRole});
  }
  void Clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
  }

 private:
  std::vector<std::vector<String>> rows_;
  int columns_ = 1;
};

namespace {

// The width a cell of that width leaves its text: the style keeps a margin
// on either side.
int TextRoom(const QWidget* view, int cellWidth) {
  const QStyle* style = view != nullptr ? view->style() : QApplication::style();
  return cellWidth - 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
}

// What a cell shows in room pixels: the text as it is when it fits, else
// without its blanks; a number still too wide is rounded to as many digits
// as fit, as a spreadsheet does, so that it stays a number one can read.
// Any other text, and a number not even one digit of which fits, is cut off
// with "…".
QString FitCellText(const QString& text, const QFont& font, int room) {
  // The style cuts off a text whose width, rounded up, exceeds the room.
  const QFontMetricsF metrics(font);
  const auto fits = [&](const QString& t) { return std::ceil(metrics.horizontalAdvance(t)) <= room; };
  if (fits(text)) return text;
  const QString bare = text.trimmed();
  if (fits(bare)) return bare;
  bool number = false;
  const double v = QLocale::c().toDouble(bare, &number);
  if (number && std::isfinite(v)) {
    for (int digits = 15; digits >= 1; --digits) {
      QString t = detail::ToQ(ShortNumber(v, digits));
      if (fits(t)) return t;
    }
  }
  return metrics.elidedText(text, Qt::ElideRight, std::max(0, room - 1));
}

// Draws the grid lines that are switched on: the vertical ones at the right
// edge of each cell, the horizontal ones at its foot; numbers that do not
// fit their cell are shown shorter (FitCellText).
class GridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  bool vertical = false;
  bool horizontal = false;

  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->text = FitCellText(option->text, option->font, TextRoom(option->widget, option->rect.width()));
  }
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (!vertical && !horizontal) return;
    painter->save();
    painter->setPen(QColor(192, 192, 192));
    const QRect r = option.rect;
    if (vertical) painter->drawLine(r.topRight(), r.bottomRight());
    if (horizontal) painter->drawLine(r.bottomLeft(), r.bottomRight());
    painter->restore();
  }
};

constexpr int kFocusMarkWidth = 2;

class ListView : public QTableView {
 public:
  std::function<void()> onResize;
  std::function<void()> onCopy;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QTableView::resizeEvent(event);
    if (onResize) onResize();
  }
  // The copy key copies the rows as the Edit menu's "Kopieren" does, also in
  // a window without that menu.
  void keyPressEvent(QKeyEvent* event) override {
    if (event->matches(QKeySequence::Copy) && onCopy) {
      onCopy();
      event->accept();
      return;
    }
    QTableView::keyPressEvent(event);
  }
  // The style draws the frame along the table's logical edge, which at a
  // fractional scale can fall on the device pixels just outside what the
  // table shows: the frame line goes again onto the outermost device pixels
  // that it does show, in the colours of the style's own frame.
  bool event(QEvent* event) override {
    const bool done = QTableView::event(event);
    if (event->type() == QEvent::Paint && frameShape() != QFrame::NoFrame) {
      QImage probe(8, 8, QImage::Format_ARGB32_Premultiplied);
      probe.fill(Qt::transparent);
      {
        QPainter p(&probe);
        QStyleOptionFrame frame;
        initStyleOption(&frame);
        frame.rect = probe.rect();
        style()->drawControl(QStyle::CE_ShapedFrame, &frame, &p, this);
      }
      QPainter p(this);
      detail::DrawFrameLine(p, rect(), 0, probe.pixelColor(0, 4), probe.pixelColor(7, 4));
    }
    // The focus mark, two pixels wide along the table's edge, with rows or
    // none: over the frame, and what of it the frame leaves to the rows.
    if (event->type() == QEvent::Paint && hasFocus()) {
      QPainter p(this);
      detail::DrawFocusMark(p, rect(), std::min(frameWidth(), kFocusMarkWidth), palette());
    }
    return done;
  }
  void paintEvent(QPaintEvent* event) override {
    QTableView::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(viewport());
    detail::DrawFocusMark(p, viewport()->rect(), kFocusMarkWidth - std::min(frameWidth(), kFocusMarkWidth), palette());
  }
  void focusInEvent(QFocusEvent* event) override {
    QTableView::focusInEvent(event);
    update();
    viewport()->update();
  }
  void focusOutEvent(QFocusEvent* event) override {
    QTableView::focusOutEvent(event);
    update();
    viewport()->update();
  }
  // Home and End go to the first and the last row, as in any list; the
  // cells of a row are no stops of their own.
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override {
    if (action == MoveHome || action == MoveEnd) modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(action, modifiers);
  }
};

ListView* View(const Control& c) { return static_cast<ListView*>(c.Widget()); }

}  // namespace

Listbox::Listbox() : model_(std::make_unique<ListboxModel>()) {
  auto* view = new ListView;
  view->setModel(model_.get());
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->horizontalHeader()->setMinimumSectionSize(0);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setMinimumSectionSize(0);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->setShowGrid(false);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setWordWrap(false);
  // The table is one stop of the Tab key: Tab and Shift+Tab leave it, the
  // arrow and paging keys move within it.
  view->setTabKeyNavigation(false);
  view->setItemDelegate(new GridDelegate(view));
  view->onResize = [this] { UpdateLook(); };
  view->onCopy = [this] { Copy(); };
  SetWidget(view);
  UpdateLook();
}

Listbox::~Listbox() {
  // The view must let go of the model before the model goes.
  if (ListView* view = View(*this)) {
    view->onResize = nullptr;
    view->onCopy = nullptr;
    view->setModel(nullptr);
  }
}

Integer Listbox::ColumnCount() const { return model_->Columns(); }

void Listbox::SetColumnCount(Integer n) {
  model_->SetColumns(n);
  UpdateLook();
}

void Listbox::SetColumnWidths(const String& widths) {
  columnWidths_ = widths;
  UpdateLook();
}

void Listbox::SetTextSize(Single pixels) {
  textSize_ = pixels;
  UpdateLook();
}

void Listbox::SetGridLinesVertical(Integer style) {
  gridLinesVertical_ = style;
  UpdateLook();
}

void Listbox::SetGridLinesHorizontal(Integer style) {
  gridLinesHorizontal_ = style;
  UpdateLook();
}

void Listbox::AddRow(const String& first) { model_->Append({{first}}); }
void Listbox::AddRow(const std::vector<String>& cells) { model_->Append({cells}); }
void Listbox::AddRows(std::vector<std::vector<String>> rows) { model_->Append(std::move(rows)); }
Integer Listbox::ListCount() const { return model_->Count(); }
String Listbox::Cell(Integer row, Integer column) const { return model_->Cell(row, column); }
void Listbox::SetCell(Integer row, Integer column, const String& text) { model_->SetCell(row, column, text); }
void Listbox::DeleteAllRows() { model_->Clear(); }

String Listbox::ShownText(Integer row, Integer column) const {
  const String text = Cell(row, column);
  const ListView* view = View(*this);
  if (view == nullptr || column < 0 || column >= ColumnCount()) return text;
  const QString shown =
      FitCellText(detail::ToQ(text), view->font(), TextRoom(view, view->horizontalHeader()->sectionSize(column)));
  return detail::FromQ(shown);
}

void Listbox::Copy() {
  std::set<int> rows;
  if (const ListView* view = View(*this)) {
    for (const QModelIndex& i : view->selectionModel()->selectedIndexes()) rows.insert(i.row());
  }
  if (rows.empty()) {
    for (Integer r = 0; r < ListCount(); ++r) rows.insert(static_cast<int>(r));
  }
  if (rows.empty()) return;
  String text;
  for (const int r : rows) {
    if (r != *rows.begin()) text += '\n';
    for (int c = 0; c < model_->Columns(); ++c) {
      if (c > 0) text += '\t';
      text += CopiedCell(Cell(r, c));
    }
  }
  QGuiApplication::clipboard()->setText(detail::ToQ(text));
}

void Listbox::SelectAll() {
  if (ListView* view = View(*this)) view->selectAll();
}

bool Listbox::CanEdit(const String& itemName) const {
  const ListView* view = View(*this);
  if (view == nullptr || !view->isEnabled() || ListCount() == 0) return false;
  return itemName == "EditCopy" || itemName == "EditSelectAll";
}

void Listbox::UpdateLook() {
  ListView* view = View(*this);
  if (view == nullptr) return;
  const PropertyValue* font = StoredProperty("TextFont");
  const PropertyValue* bold = StoredProperty("Bold");
  const QFont f = detail::MakeFont(font != nullptr ? AsString(*font) : String("System"), textSize_,
                                   bold != nullptr && AsBoolean(*bold));
  view->setFont(f);
  view->verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 4);
  if (auto* d = dynamic_cast<GridDelegate*>(view->itemDelegate())) {
    d->vertical = gridLinesVertical_ != 0;
    d->horizontal = gridLinesHorizontal_ != 0;
  }
  const int available = std::max(0, view->viewport()->width());
  const std::vector<int> widths =
      ColumnPixelWidths(columnWidths_, model_->Columns(), available, static_cast<int>(detail::kMaxSize));
  for (std::size_t i = 0; i < widths.size(); ++i) {
    view->horizontalHeader()->resizeSection(static_cast<int>(i), widths[i]);
  }
  view->viewport()->update();
}

bool Listbox::ApplyProperty(const String& name, const PropertyValue& value) {
  using L = Listbox;
  static constexpr PropertyRow<L> kProperties[] = {
      {"ColumnCount", [](L& l, const PropertyValue& v) { l.SetColumnCount(AsInteger(v, l.ColumnCount())); }},
      {"ColumnWidths", [](L& l, const PropertyValue& v) { l.SetColumnWidths(AsString(v)); }},
      {"TextSize", [](L& l, const PropertyValue& v) { l.SetTextSize(AsSingle(v, l.textSize_)); }},
      // Read from the stored record when the look is updated.
      {"TextFont", [](L& l, const PropertyValue&) { l.UpdateLook(); }},
      {"Bold", [](L& l, const PropertyValue&) { l.UpdateLook(); }},
      {"GridLinesVertical",
       [](L& l, const PropertyValue& v) { l.SetGridLinesVertical(AsInteger(v, l.gridLinesVertical_)); }},
      {"GridLinesHorizontal",
       [](L& l, const PropertyValue& v) { l.SetGridLinesHorizontal(AsInteger(v, l.gridLinesHorizontal_)); }},
      {"Border",
       [](L& l, const PropertyValue& v) {
         if (auto* view = View(l)) view->setFrameShape(AsBoolean(v, true) ? QFrame::StyledPanel : QFrame::NoFrame);
       }},
  };
  return ApplyListedProperty(kProperties, *this, name, value) || Control::ApplyProperty(name, value);
}

}  // namespace fw
