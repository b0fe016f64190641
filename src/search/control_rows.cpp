#include "search/control_rows.h"

#include <algorithm>

#include "model/search_result_rows.h"
#include "view/controls_redraw_off.h"

namespace editor {

namespace {

std::string LineCell(LineNumber line) { return line == kNoLine ? std::string() : std::to_string(line.Value()); }

}  // namespace

std::string CellOf(const ControlEntry& control, ControlCell cell) {
  switch (cell) {
    case ControlCell::kName: return control.name;
    case ControlCell::kWindow: return control.window;
    case ControlCell::kLine: return LineCell(control.line);
    case ControlCell::kType: return control.type;
    case ControlCell::kCase: return LineCell(control.caseLine);
  }
  return {};
}

void ShowControlRows(ui::Window& window, ui::ControlId list, const std::vector<ControlEntry>& rows,
                     std::span<const ControlCell> columns) {
  const ControlsRedrawOff quiet(window, {list});
  window.ViewClear(list);
  for (const ControlEntry& control : rows) {
    const int row = window.ViewInsertRow(list, window.ViewRowCount(list), CellOf(control, columns.front()));
    for (std::size_t column = 1; column < columns.size(); ++column)
      window.ViewSetCell(list, row, static_cast<int>(column), CellOf(control, columns[column]));
  }
}

void SortControlRows(std::vector<ControlEntry>& rows, ControlCell by, bool descending) {
  std::stable_sort(rows.begin(), rows.end(), [by, descending](const ControlEntry& a, const ControlEntry& b) {
    return descending ? CellOrdersBefore(CellOf(b, by), CellOf(a, by)) : CellOrdersBefore(CellOf(a, by), CellOf(b, by));
  });
}

}  // namespace editor
