// Report list views: columns, rows of cells, tick boxes and selection.
#include <algorithm>

#include "platform/case_insensitive.h"
#include "platform/headless/window.h"

namespace headless {
namespace {

ControlState* AsView(ControlState* control) {
  return control != nullptr && control->desc.kind == ui::ControlKind::kListView ? control : nullptr;
}

const ControlState* AsView(const ControlState* control) {
  return control != nullptr && control->desc.kind == ui::ControlKind::kListView ? control : nullptr;
}

}  // namespace

ViewRow* Window::RowOf(ui::ControlId id, int row) {
  ControlState* view = AsView(Find(id));
  if (view == nullptr || row < 0 || row >= static_cast<int>(view->rows.size())) return nullptr;
  return &view->rows[static_cast<std::size_t>(row)];
}

const ViewRow* Window::RowOf(ui::ControlId id, int row) const {
  const ControlState* view = AsView(Find(id));
  if (view == nullptr || row < 0 || row >= static_cast<int>(view->rows.size())) return nullptr;
  return &view->rows[static_cast<std::size_t>(row)];
}

void Window::ViewAddColumn(ui::ControlId id, std::string_view title, int width) {
  if (ControlState* view = AsView(Find(id))) view->columns.emplace_back(std::string(title), width);
}

int Window::ViewColumnCount(ui::ControlId id) const {
  const ControlState* view = AsView(Find(id));
  return view == nullptr ? 0 : static_cast<int>(view->columns.size());
}

// A row past the end is appended; the index the row got is returned.
int Window::ViewInsertRow(ui::ControlId id, int row, std::string_view firstCell) {
  ControlState* view = AsView(Find(id));
  if (view == nullptr || row < 0) return -1;
  row = std::min(row, static_cast<int>(view->rows.size()));
  ViewRow added;
  added.cells.emplace_back(firstCell);
  view->rows.insert(view->rows.begin() + row, std::move(added));
  return row;
}

void Window::ViewDeleteRow(ui::ControlId id, int row) {
  ControlState* view = AsView(Find(id));
  if (view == nullptr || RowOf(id, row) == nullptr) return;
  view->rows.erase(view->rows.begin() + row);
}

void Window::ViewClear(ui::ControlId id) {
  if (ControlState* view = AsView(Find(id))) view->rows.clear();
}

int Window::ViewRowCount(ui::ControlId id) const {
  const ControlState* view = AsView(Find(id));
  return view == nullptr ? 0 : static_cast<int>(view->rows.size());
}

// Cells exist only under columns; the first cell exists even before any column does.
void Window::ViewSetCell(ui::ControlId id, int row, int column, std::string_view text) {
  ViewRow* r = RowOf(id, row);
  if (r == nullptr || column < 0 || (column > 0 && column >= ViewColumnCount(id))) return;
  if (static_cast<int>(r->cells.size()) <= column) r->cells.resize(static_cast<std::size_t>(column) + 1);
  r->cells[static_cast<std::size_t>(column)] = text;
}

std::string Window::ViewCell(ui::ControlId id, int row, int column) const {
  const ViewRow* r = RowOf(id, row);
  if (r == nullptr || column < 0 || column >= static_cast<int>(r->cells.size())) return {};
  return r->cells[static_cast<std::size_t>(column)];
}

void Window::ViewSetTicked(ui::ControlId id, int row, bool ticked) {
  if (ViewRow* r = RowOf(id, row)) r->ticked = ticked;
}

bool Window::ViewIsTicked(ui::ControlId id, int row) const {
  const ViewRow* r = RowOf(id, row);
  return r != nullptr && r->ticked;
}

// A single-selection view keeps at most one selected row.
void Window::ViewSelect(ui::ControlId id, int row, bool selected) {
  ViewRow* r = RowOf(id, row);
  if (r == nullptr) return;
  ControlState* view = Find(id);
  if (selected && !view->desc.multiSelect)
    for (ViewRow& other : view->rows) other.selected = false;
  r->selected = selected;
}

std::vector<int> Window::ViewSelectedRows(ui::ControlId id) const {
  std::vector<int> rows;
  const ControlState* view = AsView(Find(id));
  if (view == nullptr) return rows;
  for (std::size_t i = 0; i < view->rows.size(); ++i)
    if (view->rows[i].selected) rows.push_back(static_cast<int>(i));
  return rows;
}

int Window::ViewFindExact(ui::ControlId id, std::string_view text) const {
  const ControlState* view = AsView(Find(id));
  if (view == nullptr) return -1;
  for (std::size_t i = 0; i < view->rows.size(); ++i)
    if (ui::EqualsIgnoringCase(view->rows[i].cells.front(), text)) return static_cast<int>(i);
  return -1;
}

void Window::ViewEnsureVisible(ui::ControlId id, int row) {
  if (RowOf(id, row) != nullptr) Find(id)->ensuredVisibleRow = row;
}

}  // namespace headless
