#pragma once

#include <memory>
#include <vector>

#include "Control.h"

namespace fw {

class ListboxModel;

// A list of rows of text cells, shown in columns. Rows are kept in a model, so
// hundreds of rows of a few cells cost little. The user selects rows with the
// mouse and the keyboard (Shift and Ctrl add to the selection): the arrow
// keys, Page Up/Down, Home and End move within the list, which is one stop of
// the Tab key. Events: Open.
class Listbox : public Control {
 public:
  Listbox();
  ~Listbox() override;
  std::string_view ClassName() const override { return "Listbox"; }

  Integer ColumnCount() const;
  void SetColumnCount(Integer n);
  // Column widths as a comma-separated text, one entry per column from
  // column 0: pixels ("40"), or a share of the visible width ("25%"); "*",
  // an empty entry and a column without an entry share what is left in
  // equal parts. Blanks around an entry are skipped.
  const String& ColumnWidths() const { return columnWidths_; }
  void SetColumnWidths(const String& widths);
  Single TextSize() const { return textSize_; }
  void SetTextSize(Single pixels);
  // 0 none, any other value shows the lines.
  Integer GridLinesVertical() const { return gridLinesVertical_; }
  void SetGridLinesVertical(Integer style);
  Integer GridLinesHorizontal() const { return gridLinesHorizontal_; }
  void SetGridLinesHorizontal(Integer style);

  // Appends a row (its first cells given); the new row's number is the count
  // of rows before it.
  void AddRow(const String& first);
  void AddRow(const std::vector<String>& cells);
  // Appends the rows in one go: as AddRow of each in turn, with one update of
  // the view for all of them.
  void AddRows(std::vector<std::vector<String>> rows);
  Integer ListCount() const;
  // A cell outside the rows or columns reads as empty; writing it does nothing.
  String Cell(Integer row, Integer column) const;
  void SetCell(Integer row, Integer column, const String& text);
  void DeleteAllRows();

  // The text a cell shows in its column: the whole text when it fits; a
  // number too wide for the column shows rounded to fewer places ("1234.57"
  // as "1235", 1e20 as "1e20") rather than cut off; other text is cut off
  // with "…".
  String ShownText(Integer row, Integer column) const;

  // The editing commands of the Edit menu, on this list. Copy puts the
  // selected rows, or every row when none is selected, on the clipboard as
  // tab-separated text: one line per row, each cell without the blanks around
  // it, so that a spreadsheet reads the numbers. An empty list leaves the
  // clipboard as it is.
  void Copy();
  void SelectAll();
  // Copy and Select All with rows, while the list is enabled; nothing else.
  bool CanEdit(const String& itemName) const override;

 protected:
  bool ApplyProperty(const String& name, const PropertyValue& value) override;

 private:
  void UpdateLook();
  std::unique_ptr<ListboxModel> model_;
  String columnWidths_;
  Single textSize_ = 0;
  Integer gridLinesVertical_ = 0;
  Integer gridLinesHorizontal_ = 0;
};

}  // namespace fw
