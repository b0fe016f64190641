// Creating a window's child controls and the requests every kind of control shares.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/button_bitmap.h"
#include "platform/win32/control_styles.h"
#include "platform/win32/edit_enter_subclass.h"
#include "platform/win32/edit_typing_filter.h"
#include "platform/win32/key_report_subclass.h"
#include "platform/win32/window.h"
#include "platform/win32/window_text.h"

namespace win32 {

namespace {

bool IsButtonKind(ui::ControlKind kind) {
  return kind == ui::ControlKind::kCheckBox || kind == ui::ControlKind::kRadioButton;
}

TOOLINFOA ToolFor(HWND owner, HWND control) {
  TOOLINFOA tool{};
  // The version-5 size: common controls without a manifest refuse the larger record.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

const Window::Control* Window::Find(ui::ControlId id) const {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

Window::Control* Window::Find(ui::ControlId id) {
  auto found = controls_.find(id);
  return found == controls_.end() ? nullptr : &found->second;
}

const Window::Control* Window::FindByHandle(HWND control) const {
  if (control == nullptr) return nullptr;
  const Control* found = Find(::GetDlgCtrlID(control));
  return found != nullptr && found->hwnd == control ? found : nullptr;
}

HWND Window::Hwnd(ui::ControlId id) const {
  const Control* control = Find(id);
  return control != nullptr && hwnd_ != nullptr ? control->hwnd : nullptr;
}

HWND Window::ControlHandle(ui::ControlId id) const { return Hwnd(id); }

ui::ControlKind Window::KindOf(ui::ControlId id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->kind : ui::ControlKind::kStatic;
}

bool Window::CreateControl(const ui::ControlSpec& desc) {
  if (hwnd_ == nullptr || HasControl(desc.id)) return false;
  const ControlStyle style = StyleFor(desc);
  HWND hwnd = ::CreateWindowExA(style.exStyle, style.className, desc.text.c_str(),
                                WS_CHILD | (desc.visible ? WS_VISIBLE : 0) | style.style, desc.rect.x, desc.rect.y,
                                desc.rect.width, CreationHeight(desc), hwnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(desc.id)), module_, nullptr);
  if (hwnd == nullptr) return false;
  Control& control = controls_[desc.id];
  control.kind = desc.kind;
  control.hwnd = hwnd;
  control.reportsFocus = desc.reportsFocus && desc.kind == ui::ControlKind::kEdit;
  switch (desc.kind) {
    case ui::ControlKind::kRichEdit:
      control.edit = std::make_unique<RichEdit>(hwnd, desc.id);
      break;
    case ui::ControlKind::kEdit:
      WatchForEnter(hwnd, *this, desc.id);
      FilterTypedCharacters(hwnd, desc.accepts);
      // The limit holds what the user types; WM_SETTEXT still sets a longer text whole.
      if (desc.maxLength > 0) ::SendMessageA(hwnd, EM_LIMITTEXT, static_cast<WPARAM>(desc.maxLength), 0);
      break;
    case ui::ControlKind::kListView: {
      DWORD extended = LVS_EX_FULLROWSELECT | (desc.checkBoxes ? LVS_EX_CHECKBOXES : 0) |
                       (desc.gridLines ? LVS_EX_GRIDLINES : 0);
      ::SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
      control.rows = std::make_unique<ListViewRows>();
      control.checkBoxes = desc.checkBoxes;
      control.rowClickTicks = desc.checkBoxes && desc.rowClickTicks;
      // The ticks are the window's to keep: the control asks for them with the text.
      if (desc.checkBoxes) ::SendMessageA(hwnd, LVM_SETCALLBACKMASK, LVIS_STATEIMAGEMASK, 0);
      break;
    }
    case ui::ControlKind::kImageButton:
      ApplyImage(control, desc.bitmapId);
      break;
    default:
      break;
  }
  if (desc.reportsKeys) ReportKeys(hwnd, *this, desc.id);
  if (desc.font) {
    SetFont(desc.id, *desc.font);
  } else if (desc.kind != ui::ControlKind::kRichEdit) {
    ::SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  }
  return true;
}

void Window::ApplyImage(Control& control, int bitmapId) {
  UniqueBitmap bitmap = bitmapId != 0 ? LoadKeyedBitmap(module_, bitmapId, ::GetSysColor(COLOR_BTNFACE))
                                      : UniqueBitmap();
  // Without its bitmap the button still shows its text.
  const LONG_PTR style = ::GetWindowLongPtrA(control.hwnd, GWL_STYLE);
  ::SetWindowLongPtrA(control.hwnd, GWL_STYLE, bitmap ? (style | BS_BITMAP) : (style & ~static_cast<LONG_PTR>(BS_BITMAP)));
  ::SendMessageA(control.hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.Get()));
  control.image = std::move(bitmap);
  ::InvalidateRect(control.hwnd, nullptr, TRUE);
}

bool Window::HasControl(ui::ControlId id) const { return Hwnd(id) != nullptr; }

bool Window::RenameControl(ui::ControlId from, ui::ControlId to) {
  auto it = controls_.find(from);
  if (it == controls_.end() || (from != to && controls_.contains(to))) return false;
  if (from == to) return true;
  // Notifications name the control by the id its window holds.
  ::SetWindowLongPtrA(it->second.hwnd, GWLP_ID, static_cast<LONG_PTR>(to));
  auto node = controls_.extract(it);
  node.key() = to;
  if (node.mapped().edit) node.mapped().edit->Renumber(to);
  controls_.insert(std::move(node));
  return true;
}

void Window::DestroyControl(ui::ControlId id) {
  auto it = controls_.find(id);
  if (it == controls_.end()) return;
  // The window goes first, while a rich edit's subclass still has its object to call.
  if (it->second.hwnd != nullptr) ::DestroyWindow(it->second.hwnd);
  controls_.erase(it);
}

void Window::SetControlRedraw(ui::ControlId id, bool on) {
  Control* control = Find(id);
  if (control == nullptr) return;
  control->redraw = on;
  // WM_SETREDRAW costs a millisecond or more under Wine, so it goes only where it saves
  // more: an owner-data list view shows nothing new until it is told the count, and a
  // list or combo box is held only once an entry comes while its drawing is off.
  if (control->rows) {
    RowsChanged(*control);
    return;
  }
  if (control->kind == ui::ControlKind::kListBox || control->kind == ui::ControlKind::kComboBox) {
    if (on && control->drawingHeld) {
      control->drawingHeld = false;
      ::SendMessageA(control->hwnd, WM_SETREDRAW, TRUE, 0);
      ::InvalidateRect(control->hwnd, nullptr, TRUE);
    }
    return;
  }
  ::SendMessageA(control->hwnd, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) ::InvalidateRect(control->hwnd, nullptr, TRUE);
}

void Window::HoldDrawingIfOff(ui::ControlId id) {
  Control* control = Find(id);
  if (control == nullptr || control->redraw || control->drawingHeld) return;
  ::SendMessageA(control->hwnd, WM_SETREDRAW, FALSE, 0);
  control->drawingHeld = true;
}

bool Window::IsControlRedrawOn(ui::ControlId id) const {
  const Control* control = Find(id);
  return control != nullptr && control->redraw;
}

void Window::ShowControl(ui::ControlId id, bool visible) {
  // Under Wine even a call that changes nothing costs about a millisecond.
  if (HWND h = Hwnd(id); h != nullptr && IsControlVisible(id) != visible) ::ShowWindow(h, visible ? SW_SHOW : SW_HIDE);
}

bool Window::IsControlVisible(ui::ControlId id) const {
  HWND h = Hwnd(id);
  return h != nullptr && (::GetWindowLongPtrA(h, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::EnableControl(ui::ControlId id, bool enabled) {
  if (HWND h = Hwnd(id)) ::EnableWindow(h, enabled ? TRUE : FALSE);
}

bool Window::IsControlEnabled(ui::ControlId id) const {
  HWND h = Hwnd(id);
  return h != nullptr && ::IsWindowEnabled(h);
}

void Window::SetText(ui::ControlId id, std::string_view text) {
  Control* control = Find(id);
  if (control == nullptr || hwnd_ == nullptr) return;
  if (control->edit) {
    control->edit->SetText(text);
    return;
  }
  // A button or label already showing the text is not repainted; an edit is always
  // given its text, which its change notification may be waited for.
  if (control->kind != ui::ControlKind::kEdit && GetText(id) == text) return;
  ::SetWindowTextA(control->hwnd, std::string(text).c_str());
}

void Window::SelectAllText(ui::ControlId id) {
  const Control* control = Find(id);
  if (control != nullptr && control->kind == ui::ControlKind::kEdit) ::SendMessageA(control->hwnd, EM_SETSEL, 0, -1);
}

void Window::CaretToEnd(ui::ControlId id) {
  const Control* control = Find(id);
  if (control == nullptr || control->kind != ui::ControlKind::kEdit) return;
  const LRESULT length = ::SendMessageA(control->hwnd, WM_GETTEXTLENGTH, 0, 0);
  ::SendMessageA(control->hwnd, EM_SETSEL, static_cast<WPARAM>(length), length);
}

std::string Window::GetText(ui::ControlId id) const {
  const Control* control = Find(id);
  if (control == nullptr || hwnd_ == nullptr) return {};
  if (control->edit) return control->edit->Text();
  return TextOf(control->hwnd);
}

void Window::SetChecked(ui::ControlId id, bool checked) {
  if (HWND h = Hwnd(id)) ::SendMessageA(h, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Window::IsChecked(ui::ControlId id) const {
  const Control* control = Find(id);
  HWND h = Hwnd(id);
  return h != nullptr && IsButtonKind(control->kind) && ::SendMessageA(h, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Window::SetFont(ui::ControlId id, const ui::FontSpec& font) {
  Control* control = Find(id);
  if (control == nullptr || hwnd_ == nullptr) return;
  if (control->edit) {
    control->edit->SetFont(font);
    return;
  }
  if (HFONT handle = fonts_.Get(font)) ::SendMessageA(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

void Window::SetColours(ui::ControlId id, ui::Colour text, ui::Colour background) {
  Control* control = Find(id);
  if (control == nullptr || hwnd_ == nullptr) return;
  if (control->edit) {
    control->edit->SetBackground(background);
    control->edit->SetDefaultTextColour(text);
    return;
  }
  if (control->kind == ui::ControlKind::kListView) {
    ::SendMessageA(control->hwnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
    ::SendMessageA(control->hwnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(background));
    ::SendMessageA(control->hwnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(background));
  }
  if (control->colours && control->colours->text == text && control->colours->background == background) return;
  control->colours = ControlColours{text, background, UniqueBrush(::CreateSolidBrush(background))};
  ::InvalidateRect(control->hwnd, nullptr, TRUE);
}

HWND Window::Tooltips() {
  if (!tooltips_ && hwnd_ != nullptr) {
    tooltips_.Reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                      CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                      module_, nullptr));
  }
  return tooltips_.Get();
}

void Window::SetTooltip(ui::ControlId id, std::string_view text) {
  Control* control = Find(id);
  HWND tips = Tooltips();
  if (control == nullptr || tips == nullptr) return;
  std::string terminated(text);
  TOOLINFOA tool = ToolFor(hwnd_, control->hwnd);
  tool.lpszText = terminated.data();
  TOOLINFOA probe = ToolFor(hwnd_, control->hwnd);
  const bool known = ::SendMessageA(tips, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&probe)) != 0;
  ::SendMessageA(tips, known ? TTM_UPDATETIPTEXTA : TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  control->tooltip = std::move(terminated);
}

std::string Window::Tooltip(ui::ControlId id) const {
  const Control* control = Find(id);
  return control != nullptr ? control->tooltip : std::string();
}

void Window::MoveControl(ui::ControlId id, ui::Rect rect) {
  if (HWND h = Hwnd(id); h != nullptr && ControlRect(id) != rect) ::MoveWindow(h, rect.x, rect.y, rect.width, rect.height, TRUE);
}

ui::Rect Window::ControlRect(ui::ControlId id) const {
  HWND h = Hwnd(id);
  if (h == nullptr) return {};
  RECT r{};
  ::GetWindowRect(h, &r);
  ::MapWindowPoints(HWND_DESKTOP, hwnd_, reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Window::Focus(ui::ControlId id) {
  if (HWND h = Hwnd(id)) ::SetFocus(h);
}

ui::ControlId Window::FocusedControl() const {
  if (hwnd_ == nullptr) return 0;
  // The focus may sit in a part of a control (a combo box's field): walk up to our child.
  for (HWND h = ::GetFocus(); h != nullptr && h != hwnd_; h = ::GetParent(h))
    if (::GetParent(h) == hwnd_) {
      const Control* control = FindByHandle(h);
      return control != nullptr ? ::GetDlgCtrlID(h) : 0;
    }
  return 0;
}

void Window::SetImage(ui::ControlId id, int bitmapId) {
  Control* control = Find(id);
  if (control != nullptr && hwnd_ != nullptr) ApplyImage(*control, bitmapId);
}

void Window::SetScrollRange(ui::ControlId id, int minimum, int maximum) {
  HWND h = Hwnd(id);
  if (h == nullptr) return;
  int oldMinimum = 0;
  int oldMaximum = 0;
  ::GetScrollRange(h, SB_CTL, &oldMinimum, &oldMaximum);
  if (oldMinimum != minimum || oldMaximum != maximum) ::SetScrollRange(h, SB_CTL, minimum, maximum, TRUE);
}

void Window::SetScrollPos(ui::ControlId id, int position) {
  if (HWND h = Hwnd(id); h != nullptr && ::GetScrollPos(h, SB_CTL) != position) ::SetScrollPos(h, SB_CTL, position, TRUE);
}

int Window::ScrollPos(ui::ControlId id) const {
  HWND h = Hwnd(id);
  return h != nullptr ? ::GetScrollPos(h, SB_CTL) : 0;
}

ui::RichEdit* Window::Edit(ui::ControlId id) {
  Control* control = Find(id);
  return control != nullptr && hwnd_ != nullptr ? control->edit.get() : nullptr;
}

}  // namespace win32
