// The rows of an owner-data list view. The control itself keeps only their number, the
// selection and the focus, and asks for the text of the rows it draws: filling or
// emptying thousands of rows costs no more than the vectors do.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win32 {

class ListViewRows {
 public:
  int Count() const { return static_cast<int>(rows_.size()); }
  void AddColumn() { ++columns_; }

  // A row past the end is appended; returns where the row went, or -1.
  int Insert(int row, std::string_view firstCell);
  bool Erase(int row);
  void Clear() { rows_.clear(); }

  // Cells exist only under columns; the first cell exists even before any column does.
  bool SetCell(int row, int column, std::string_view text);
  std::string_view Cell(int row, int column) const;
  bool SetTicked(int row, bool ticked);
  bool IsTicked(int row) const;
  // Whole match of the first cell, letter case ignored; -1 when none.
  int FindExact(std::string_view text) const;

  // The number of rows the control was last told of.
  int toldCount = 0;

 private:
  struct Row {
    std::vector<std::string> cells;
    bool ticked = false;
  };
  bool Has(int row) const { return row >= 0 && row < Count(); }

  std::vector<Row> rows_;
  int columns_ = 0;
};

}  // namespace win32
