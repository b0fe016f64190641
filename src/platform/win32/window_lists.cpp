// List boxes and drop-down combo boxes: the same requests under two sets of messages.
#include "platform/win32/window.h"

namespace win32 {

namespace {

// The message numbers that differ between the two kinds of list.
struct ListMessages {
  UINT add, insert, remove, reset, count, textLength, text, findExact, select, selected;
};

constexpr ListMessages kListBox{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING,   LB_RESETCONTENT, LB_GETCOUNT,
                                LB_GETTEXTLEN,  LB_GETTEXT,      LB_FINDSTRINGEXACT, LB_SETCURSEL,   LB_GETCURSEL};
constexpr ListMessages kComboBox{CB_ADDSTRING,    CB_INSERTSTRING, CB_DELETESTRING,    CB_RESETCONTENT, CB_GETCOUNT,
                                 CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_FINDSTRINGEXACT, CB_SETCURSEL,    CB_GETCURSEL};

bool IsMultiSelectListBox(HWND list) { return (::GetWindowLongPtrA(list, GWL_STYLE) & LBS_EXTENDEDSEL) != 0; }

int AsIndex(LRESULT result) { return result < 0 ? -1 : static_cast<int>(result); }


struct ListTarget {
  HWND hwnd = nullptr;
  const ListMessages* messages = nullptr;
  explicit operator bool() const { return hwnd != nullptr; }
  LRESULT Send(UINT ListMessages::*which, WPARAM wparam = 0, LPARAM lparam = 0) const {
    return ::SendMessageA(hwnd, messages->*which, wparam, lparam);
  }
};

ListTarget ListOf(const Window& window, ui::ControlId id) {
  HWND hwnd = window.ControlHandle(id);
  if (hwnd == nullptr) return {};
  const ui::ControlKind kind = window.KindOf(id);
  if (kind == ui::ControlKind::kListBox) return {hwnd, &kListBox};
  if (kind == ui::ControlKind::kComboBox) return {hwnd, &kComboBox};
  return {};
}

}  // namespace

int Window::ListAdd(ui::ControlId id, std::string_view text) {
  const ListTarget list = ListOf(*this, id);
  if (!list) return -1;
  HoldDrawingIfOff(id);
  return AsIndex(list.Send(&ListMessages::add, 0, reinterpret_cast<LPARAM>(std::string(text).c_str())));
}

int Window::ListInsert(ui::ControlId id, int index, std::string_view text) {
  const ListTarget list = ListOf(*this, id);
  if (!list) return -1;
  HoldDrawingIfOff(id);
  return AsIndex(list.Send(&ListMessages::insert, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(std::string(text).c_str())));
}

void Window::ListDelete(ui::ControlId id, int index) {
  const ListTarget list = ListOf(*this, id);
  if (list) list.Send(&ListMessages::remove, static_cast<WPARAM>(index));
}

void Window::ListClear(ui::ControlId id) {
  const ListTarget list = ListOf(*this, id);
  if (list && ListCount(id) > 0) list.Send(&ListMessages::reset);
}

int Window::ListCount(ui::ControlId id) const {
  const ListTarget list = ListOf(*this, id);
  return list ? AsIndex(list.Send(&ListMessages::count)) : 0;
}

std::string Window::ListText(ui::ControlId id, int index) const {
  const ListTarget list = ListOf(*this, id);
  if (!list) return {};
  const LRESULT length = list.Send(&ListMessages::textLength, static_cast<WPARAM>(index));
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = list.Send(&ListMessages::text, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

int Window::ListFindExact(ui::ControlId id, std::string_view text) const {
  const ListTarget list = ListOf(*this, id);
  if (!list) return -1;
  return AsIndex(list.Send(&ListMessages::findExact, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(std::string(text).c_str())));
}

void Window::ListSelect(ui::ControlId id, int index) {
  const ListTarget list = ListOf(*this, id);
  if (!list) return;
  if (list.messages == &kListBox && IsMultiSelectListBox(list.hwnd)) {
    ::SendMessageA(list.hwnd, LB_SETSEL, FALSE, -1);
    if (index >= 0) ::SendMessageA(list.hwnd, LB_SETSEL, TRUE, index);
    return;
  }
  list.Send(&ListMessages::select, static_cast<WPARAM>(index));
}

int Window::ListSelected(ui::ControlId id) const {
  const ListTarget list = ListOf(*this, id);
  if (!list) return -1;
  if (list.messages == &kListBox && IsMultiSelectListBox(list.hwnd)) {
    int first = -1;
    ::SendMessageA(list.hwnd, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(&first));
    return first;
  }
  return AsIndex(list.Send(&ListMessages::selected));
}

void Window::DropDown(ui::ControlId id, bool open) {
  const Control* control = Find(id);
  if (control != nullptr && control->kind == ui::ControlKind::kComboBox && hwnd_ != nullptr)
    ::SendMessageA(control->hwnd, CB_SHOWDROPDOWN, open ? TRUE : FALSE, 0);
}

}  // namespace win32
