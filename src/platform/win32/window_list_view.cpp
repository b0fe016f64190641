// Report-style list views: columns, rows, cells, tick boxes and selection. Every list
// view is owner-data: its rows live in the window's vectors (ListViewRows), the control
// holds their count and asks for the cells it draws.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "platform/win32/window.h"

namespace win32 {

namespace {

LRESULT Send(HWND view, UINT message, WPARAM wparam, const void* lparam) {
  return ::SendMessageA(view, message, wparam, reinterpret_cast<LPARAM>(lparam));
}

constexpr UINT kSelectedAndFocused = LVIS_SELECTED | LVIS_FOCUSED;

void SetItemState(HWND view, int row, UINT state, UINT mask) {
  LVITEMA item{};
  item.stateMask = mask;
  item.state = state;
  Send(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row), &item);
}

std::vector<int> SelectedRowsFrom(HWND view, int first, int rowsInControl) {
  std::vector<int> rows;
  if (first >= rowsInControl) return rows;  // rows appended past what the control holds
  int row = first - 1;
  while ((row = static_cast<int>(::SendMessageA(view, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) >= 0)
    rows.push_back(row);
  return rows;
}

void Deselect(HWND view, const std::vector<int>& rows) {
  for (int row : rows) SetItemState(view, row, 0, kSelectedAndFocused);
}

void CopyCell(std::string_view cell, char* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const auto length = std::min(cell.size(), static_cast<std::size_t>(size - 1));
  std::copy_n(cell.data(), length, buffer);
  buffer[length] = '\0';
}

void CopyCell(std::string_view cell, wchar_t* buffer, int size) {
  if (buffer == nullptr || size <= 0) return;
  const int length = cell.empty() ? 0
                                  : ::MultiByteToWideChar(CP_ACP, 0, cell.data(), static_cast<int>(cell.size()),
                                                          buffer, size - 1);
  buffer[length] = L'\0';
}

template <typename DisplayInfo>
void FillDisplayInfo(const ListViewRows& rows, bool checkBoxes, DisplayInfo& info) {
  auto& item = info.item;
  if ((item.mask & LVIF_TEXT) != 0) CopyCell(rows.Cell(item.iItem, item.iSubItem), item.pszText, item.cchTextMax);
  if (checkBoxes && (item.mask & LVIF_STATE) != 0 && (item.stateMask & LVIS_STATEIMAGEMASK) != 0) {
    item.state &= ~LVIS_STATEIMAGEMASK;
    item.state |= INDEXTOSTATEIMAGEMASK(rows.IsTicked(item.iItem) ? 2 : 1);
  }
}

}  // namespace

Window::Control* Window::ListView(ui::ControlId id) {
  Control* control = Find(id);
  return control != nullptr && control->rows != nullptr && hwnd_ != nullptr ? control : nullptr;
}

const Window::Control* Window::ListView(ui::ControlId id) const {
  const Control* control = Find(id);
  return control != nullptr && control->rows != nullptr && hwnd_ != nullptr ? control : nullptr;
}

// While the control's drawing is off, the count waits until it is back on, or until a
// request needs the control to know every row.
void Window::TellRowCount(const Control& view) {
  if (view.rows->toldCount == view.rows->Count()) return;
  ::SendMessageA(view.hwnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(view.rows->Count()), LVSICF_NOSCROLL);
  view.rows->toldCount = view.rows->Count();
}

void Window::RowsChanged(const Control& view) {
  if (!view.redraw) return;
  TellRowCount(view);
  ::InvalidateRect(view.hwnd, nullptr, FALSE);
}

LRESULT Window::AnswerRowRequest(const Control& view, const NMHDR& header, LPARAM lparam) const {
  if (header.code == LVN_GETDISPINFOA)
    FillDisplayInfo(*view.rows, view.checkBoxes, *reinterpret_cast<NMLVDISPINFOA*>(lparam));
  else if (header.code == LVN_GETDISPINFOW)
    FillDisplayInfo(*view.rows, view.checkBoxes, *reinterpret_cast<NMLVDISPINFOW*>(lparam));
  return 0;
}

// An owner-data control draws the tick it is given but does not keep one: a click on
// the box turns the row's tick over here.
void Window::ToggleTickAt(const Control& view, POINT point) {
  LVHITTESTINFO hit{};
  hit.pt = point;
  const auto row = static_cast<int>(Send(view.hwnd, LVM_HITTEST, 0, &hit));
  const UINT ticking = view.rowClickTicks ? LVHT_ONITEM : LVHT_ONITEMSTATEICON;
  if (row < 0 || (hit.flags & ticking) == 0) return;
  view.rows->SetTicked(row, !view.rows->IsTicked(row));
  ::SendMessageA(view.hwnd, LVM_REDRAWITEMS, static_cast<WPARAM>(row), row);
}

void Window::ViewAddColumn(ui::ControlId id, std::string_view title, int width) {
  Control* view = ListView(id);
  if (view == nullptr) return;
  std::string text(title);
  LVCOLUMNA column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = text.data();
  column.cx = width;
  column.iSubItem = ViewColumnCount(id);
  if (Send(view->hwnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(column.iSubItem), &column) >= 0) view->rows->AddColumn();
}

int Window::ViewColumnCount(ui::ControlId id) const {
  const Control* view = ListView(id);
  if (view == nullptr) return 0;
  auto header = reinterpret_cast<HWND>(::SendMessageA(view->hwnd, LVM_GETHEADER, 0, 0));
  return header != nullptr ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

// The control keeps selection by row number: rows below an insertion or a deletion take
// their selection with them, as an ordinary list view's rows do.
int Window::ViewInsertRow(ui::ControlId id, int row, std::string_view firstCell) {
  Control* view = ListView(id);
  if (view == nullptr || row < 0) return -1;
  const int at = std::min(row, view->rows->Count());
  const std::vector<int> moving = SelectedRowsFrom(view->hwnd, at, view->rows->toldCount);
  Deselect(view->hwnd, moving);
  view->rows->Insert(at, firstCell);
  if (!moving.empty()) {
    TellRowCount(*view);
    for (int selected : moving) SetItemState(view->hwnd, selected + 1, kSelectedAndFocused, kSelectedAndFocused);
  }
  RowsChanged(*view);
  return at;
}

void Window::ViewDeleteRow(ui::ControlId id, int row) {
  Control* view = ListView(id);
  if (view == nullptr || row < 0 || row >= view->rows->Count()) return;
  const std::vector<int> moving = SelectedRowsFrom(view->hwnd, row, view->rows->toldCount);
  Deselect(view->hwnd, moving);
  view->rows->Erase(row);
  TellRowCount(*view);
  for (int selected : moving)
    if (selected > row) SetItemState(view->hwnd, selected - 1, kSelectedAndFocused, kSelectedAndFocused);
  RowsChanged(*view);
}

void Window::ViewClear(ui::ControlId id) {
  Control* view = ListView(id);
  if (view == nullptr || (view->rows->Count() == 0 && view->rows->toldCount == 0)) return;
  view->rows->Clear();
  ::SendMessageA(view->hwnd, LVM_DELETEALLITEMS, 0, 0);  // forgets the selection too
  view->rows->toldCount = 0;
  RowsChanged(*view);
}

int Window::ViewRowCount(ui::ControlId id) const {
  const Control* view = ListView(id);
  return view != nullptr ? view->rows->Count() : 0;
}

void Window::ViewSetCell(ui::ControlId id, int row, int column, std::string_view text) {
  Control* view = ListView(id);
  if (view != nullptr && view->rows->SetCell(row, column, text)) RowsChanged(*view);
}

std::string Window::ViewCell(ui::ControlId id, int row, int column) const {
  const Control* view = ListView(id);
  return view != nullptr ? std::string(view->rows->Cell(row, column)) : std::string();
}

void Window::ViewSetTicked(ui::ControlId id, int row, bool ticked) {
  Control* view = ListView(id);
  if (view != nullptr && view->rows->SetTicked(row, ticked)) RowsChanged(*view);
}

bool Window::ViewIsTicked(ui::ControlId id, int row) const {
  const Control* view = ListView(id);
  return view != nullptr && view->rows->IsTicked(row);
}

void Window::ViewSelect(ui::ControlId id, int row, bool selected) {
  Control* view = ListView(id);
  if (view == nullptr || row < 0 || row >= view->rows->Count()) return;
  TellRowCount(*view);
  SetItemState(view->hwnd, row, selected ? kSelectedAndFocused : 0, kSelectedAndFocused);
}

std::vector<int> Window::ViewSelectedRows(ui::ControlId id) const {
  const Control* view = ListView(id);
  return view != nullptr ? SelectedRowsFrom(view->hwnd, 0, view->rows->toldCount) : std::vector<int>();
}

int Window::ViewFindExact(ui::ControlId id, std::string_view text) const {
  const Control* view = ListView(id);
  return view != nullptr ? view->rows->FindExact(text) : -1;
}

void Window::ViewEnsureVisible(ui::ControlId id, int row) {
  Control* view = ListView(id);
  if (view == nullptr || row < 0 || row >= view->rows->Count()) return;
  TellRowCount(*view);
  ::SendMessageA(view->hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

}  // namespace win32
