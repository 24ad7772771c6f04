#include "Listbox.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QPainter>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTableView>

#include <algorithm>

#include "detail/Internal.h"

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
  void Append(std::vector<String> cells) {
    if (static_cast<int>(cells.size()) > columns_) cells.resize(static_cast<std::size_t>(columns_));
    if (rows_.size() >= static_cast<std::size_t>(std::numeric_limits<int>::max() - 1)) return;
    const int at = static_cast<int>(rows_.size());
    beginInsertRows(QModelIndex(), at, at);
    rows_.push_back(std::move(cells));
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

// Draws the grid lines that are switched on: the vertical ones at the right
// edge of each cell, the horizontal ones at its foot.
class GridDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  bool vertical = false;
  bool horizontal = false;
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

class ListView : public QTableView {
 public:
  std::function<void()> onResize;

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QTableView::resizeEvent(event);
    if (onResize) onResize();
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
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setWordWrap(false);
  view->setItemDelegate(new GridDelegate(view));
  view->onResize = [this] { UpdateLook(); };
  SetWidget(view);
  UpdateLook();
}

Listbox::~Listbox() {
  // The view must let go of the model before the model goes.
  if (ListView* view = View(*this)) {
    view->onResize = nullptr;
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

void Listbox::AddRow(const String& first) { model_->Append({first}); }
void Listbox::AddRow(const std::vector<String>& cells) { model_->Append(cells); }
Integer Listbox::ListCount() const { return model_->Count(); }
String Listbox::Cell(Integer row, Integer column) const { return model_->Cell(row, column); }
void Listbox::SetCell(Integer row, Integer column, const String& text) { model_->SetCell(row, column, text); }
void Listbox::DeleteAllRows() { model_->Clear(); }

// Column widths: "40" gives column 0 forty pixels, "40,25%" column 1 a
// quarter of the visible width; "*" or an empty entry, like every column
// without an entry, shares what is left in equal parts.
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
  const int n = model_->Columns();
  const int available = std::max(0, view->viewport()->width());
  std::vector<int> width(static_cast<std::size_t>(n), -1);
  int fixed = 0, flexible = 0;
  for (int i = 0; i < n; ++i) {
    const String field = NthField(columnWidths_, ",", i + 1);
    std::string_view t = field;
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    while (!t.empty() && t.back() == ' ') t.remove_suffix(1);
    int w = -1;
    if (!t.empty() && t != "*") {
      if (t.back() == '%') {
        w = ToInteger(Val(t.substr(0, t.size() - 1)) * available / 100.0);
      } else {
        w = ToInteger(Val(t));
      }
      w = std::clamp(w, 0, static_cast<int>(detail::kMaxSize));
    }
    width[static_cast<std::size_t>(i)] = w;
    if (w < 0) {
      ++flexible;
    } else {
      fixed += w;
    }
  }
  const int share = flexible > 0 ? std::max(0, available - fixed) / flexible : 0;
  for (int i = 0; i < n; ++i) {
    const int w = width[static_cast<std::size_t>(i)];
    view->horizontalHeader()->resizeSection(i, w < 0 ? share : w);
  }
  view->viewport()->update();
}

bool Listbox::ApplyProperty(const String& name, const PropertyValue& value) {
  using detail::SameName;
  if (SameName(name, "ColumnCount")) {
    SetColumnCount(AsInteger(value, ColumnCount()));
  } else if (SameName(name, "ColumnWidths")) {
    SetColumnWidths(AsString(value));
  } else if (SameName(name, "TextSize")) {
    SetTextSize(AsSingle(value, textSize_));
  } else if (SameName(name, "TextFont") || SameName(name, "Bold")) {
    UpdateLook();
  } else if (SameName(name, "GridLinesVertical")) {
    SetGridLinesVertical(AsInteger(value, gridLinesVertical_));
  } else if (SameName(name, "GridLinesHorizontal")) {
    SetGridLinesHorizontal(AsInteger(value, gridLinesHorizontal_));
  } else if (SameName(name, "Border")) {
    if (auto* v = View(*this)) v->setFrameShape(AsBoolean(value, true) ? QFrame::StyledPanel : QFrame::NoFrame);
  } else {
    return Control::ApplyProperty(name, value);
  }
  return true;
}

}  // namespace fw
