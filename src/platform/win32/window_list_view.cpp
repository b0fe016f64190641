// Report-style list views: columns, rows, cells, tick boxes and selection.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/window.h"

namespace win32 {

namespace {

constexpr int kCellBufferSize = 1024;

HWND ListViewOf(const Window& window, ui::ControlId id) {
  HWND hwnd = window.ControlHandle(id);
  return hwnd != nullptr && window.KindOf(id) == ui::ControlKind::kListView ? hwnd : nullptr;
}

LRESULT Send(HWND view, UINT message, WPARAM wparam, const void* lparam) {
  return ::SendMessageA(view, message, wparam, reinterpret_cast<LPARAM>(lparam));
}

void SetItemState(HWND view, int row, UINT state, UINT mask) {
  LVITEMA item{};
  item.stateMask = mask;
  item.state = state;
  Send(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
}

}  // namespace

void Window::ViewAddColumn(ui::ControlId id, std::string_view title, int width) {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return;
  std::string text(title);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = width;
  column.iSubItem = ViewColumnCount(id);
  Send(view, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column.iSubItem), &column);
}

int Window::ViewColumnCount(ui::ControlId id) const {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return 0;
  auto header = reinterpret_cast<HWND>(::SendMessageA(view, LVM_GETHEADER, 0, 0));
  return header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int Window::ViewInsertRow(ui::ControlId id, int row, std::string_view firstCell) {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return -1;
  std::string text(firstCell);
  LVITEMA item{};
  item.mask = LVIF_TEXT;
  item.iItem = row;
  item.pszText = text.data();
  return static_cast<int>(Send(view, LVM_INSERTITEMA, 0, &item));
}

void Window::ViewDeleteRow(ui::ControlId id, int row) {
  if (HWND view = ListViewOf(*this, id)) ::SendMessageA(view, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
}

void Window::ViewClear(ui::ControlId id) {
  if (HWND view = ListViewOf(*this, id)) ::SendMessageA(view, LVM_DELETEALLITEMS, 0, 0);
}

int Window::ViewRowCount(ui::ControlId id) const {
  HWND view = ListViewOf(*this, id);
  return view != nullptr ? static_cast<int>(::SendMessageA(view, LVM_GETITEMCOUNT, 0, 0)) : 0;
}

void Window::ViewSetCell(ui::ControlId id, int row, int column, std::string_view text) {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return;
  std::string terminated(text);
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = terminated.data();
  Send(view, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), &item);
}

std::string Window::ViewCell(ui::ControlId id, int row, int column) const {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return {};
  std::string text(kCellBufferSize, '\0');
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text.data();
  item.cchTextMax = kCellBufferSize;
  const LRESULT copied = Send(view, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), &item);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void Window::ViewSetTicked(ui::ControlId id, int row, bool ticked) {
  if (HWND view = ListViewOf(*this, id)) SetItemState(view, row, INDEXTOSTATEIMAGEMASK(ticked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

bool Window::ViewIsTicked(ui::ControlId id, int row) const {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return false;
  const auto state = static_cast<UINT>(::SendMessageA(view, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_STATEIMAGEMASK));
  return (state >> 12) == 2;  // state image 2 is the ticked box
}

void Window::ViewSelect(ui::ControlId id, int row, bool selected) {
  if (HWND view = ListViewOf(*this, id))
    SetItemState(view, row, selected ? (LVIS_SELECTED | LVIS_FOCUSED) : 0, LVIS_SELECTED | LVIS_FOCUSED);
}

std::vector<int> Window::ViewSelectedRows(ui::ControlId id) const {
  std::vector<int> rows;
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return rows;
  int row = -1;
  while ((row = static_cast<int>(::SendMessageA(view, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0)
    rows.push_back(row);
  return rows;
}

int Window::ViewFindExact(ui::ControlId id, std::string_view text) const {
  HWND view = ListViewOf(*this, id);
  if (view == nullptr) return -1;
  const std::string terminated(text);
  LVFINDINFOA find{};
  find.flags = LVFI_STRING;
  find.psz = terminated.c_str();
  return static_cast<int>(Send(view, LVM_FINDITEMA, static_cast<WPARAM>(-1), &find));
}

void Window::ViewEnsureVisible(ui::ControlId id, int row) {
  if (HWND view = ListViewOf(*this, id)) ::SendMessageA(view, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

}  // namespace win32
