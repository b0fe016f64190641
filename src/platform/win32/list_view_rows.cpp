#include "platform/win32/list_view_rows.h"

#include <algorithm>

#include "platform/case_insensitive.h"

namespace win32 {

int ListViewRows::Insert(int row, std::string_view firstCell) {
  if (row < 0) return -1;
  row = std::min(row, Count());
  Row added;
  added.cells.emplace_back(firstCell);
  rows_.insert(rows_.begin() + row, std::move(added));
  return row;
}

bool ListViewRows::Erase(int row) {
  if (!Has(row)) return false;
  rows_.erase(rows_.begin() + row);
  return true;
}

bool ListViewRows::SetCell(int row, int column, std::string_view text) {
  if (!Has(row) || column < 0 || (column > 0 && column >= columns_)) return false;
  auto& cells = rows_[static_cast<std::size_t>(row)].cells;
  if (static_cast<int>(cells.size()) <= column) cells.resize(static_cast<std::size_t>(column) + 1);
  cells[static_cast<std::size_t>(column)] = text;
  return true;
}

std::string_view ListViewRows::Cell(int row, int column) const {
  if (!Has(row) || column < 0) return {};
  const auto& cells = rows_[static_cast<std::size_t>(row)].cells;
  return column < static_cast<int>(cells.size()) ? std::string_view(cells[static_cast<std::size_t>(column)])
                                                 : std::string_view();
}

bool ListViewRows::SetTicked(int row, bool ticked) {
  if (!Has(row)) return false;
  rows_[static_cast<std::size_t>(row)].ticked = ticked;
  return true;
}

bool ListViewRows::IsTicked(int row) const { return Has(row) && rows_[static_cast<std::size_t>(row)].ticked; }

int ListViewRows::FindExact(std::string_view text) const {
  for (int row = 0; row < Count(); ++row)
    if (ui::EqualsIgnoringCase(rows_[static_cast<std::size_t>(row)].cells.front(), text)) return row;
  return -1;
}

}  // namespace win32
