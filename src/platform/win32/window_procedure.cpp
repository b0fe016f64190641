// Turns the window messages of a top-level window into the layer's events.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/window.h"

namespace win32 {

namespace {

bool UsesWindowBackground(ui::ControlKind kind) {
  return kind == ui::ControlKind::kStatic || kind == ui::ControlKind::kCheckBox ||
         kind == ui::ControlKind::kRadioButton || kind == ui::ControlKind::kGroupBox;
}

static_assert(ui::notify::kFocused == EN_SETFOCUS, "the layer's focus notification is the edit's own");

// The control notifications the layer passes on, by the kind of control that sends
// them; the focus and update notifications every edit sends are left out, except the
// focus of an edit made with reportsFocus (OnCommand).
bool IsLayerNotification(ui::ControlKind kind, int code) {
  switch (kind) {
    case ui::ControlKind::kPushButton:
    case ui::ControlKind::kImageButton:
    case ui::ControlKind::kCheckBox:
    case ui::ControlKind::kRadioButton:
    case ui::ControlKind::kStatic:
      return code == ui::notify::kClick;
    case ui::ControlKind::kListBox:
    case ui::ControlKind::kComboBox:
      return code == ui::notify::kSelectionChanged;
    case ui::ControlKind::kEdit:
    case ui::ControlKind::kRichEdit:
      return code == ui::notify::kTextChanged;
    default:
      return false;
  }
}

int ScrollPositionOf(HWND scrollBar, int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof(info);
  info.fMask = SIF_POS | SIF_TRACKPOS;
  ::GetScrollInfo(scrollBar, SB_CTL, &info);
  // The 16-bit position in the message would cut large ranges; the control knows better.
  return (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) ? info.nTrackPos : info.nPos;
}

}  // namespace

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->hwnd_ = hwnd;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (self == nullptr) return ::DefWindowProcA(hwnd, message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return ::DefWindowProcA(hwnd, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CLOSE: {
      // With a handler the window closes only when the handler says so.
      if (!handler_) {
        ::DestroyWindow(hwnd_);
        return 0;
      }
      ui::Event event;
      event.kind = ui::MessageKind::kCloseRequested;
      Deliver(event);
      return 0;
    }
    case WM_COMMAND:
      return OnCommand(wparam, lparam);
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lparam), lparam);
    case WM_TIMER: {
      ui::Event event;
      event.kind = ui::MessageKind::kTimer;
      event.commandCode = static_cast<int>(wparam);
      Deliver(event);
      return 0;
    }
    case WM_VSCROLL:
      if (lparam != 0) return OnVerticalScroll(wparam, lparam);
      break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      return OnControlColour(message, reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ERASEBKGND: {
      RECT client{};
      ::GetClientRect(hwnd_, &client);
      ::FillRect(reinterpret_cast<HDC>(wparam), &client, background_.Get());
      return 1;
    }
    case WM_DESTROY:
      OnDestroy();
      return 0;
    default:
      break;
  }
  return ::DefWindowProcA(hwnd_, message, wparam, lparam);
}

void Window::OnDestroy() {
  // Windows would destroy the attached menu with the window; the menu's owner does that.
  ::SetMenu(hwnd_, nullptr);
  tooltips_.Reset();
}

void Window::DeliverNotify(ui::ControlId id, int notifyCode, int scrollPosition) {
  ui::Event event;
  event.kind = ui::MessageKind::kControlNotify;
  event.controlId = id;
  event.notifyCode = notifyCode;
  event.scrollPosition = scrollPosition;
  Deliver(event);
}

LRESULT Window::OnCommand(WPARAM wparam, LPARAM lparam) {
  const int id = LOWORD(wparam);
  if (lparam == 0) {  // a menu item or an accelerator
    ui::Event event;
    event.kind = ui::MessageKind::kMenuPick;
    event.menuId = id;
    event.commandCode = id;
    Deliver(event);
    return 0;
  }
  const Control* control = FindByHandle(reinterpret_cast<HWND>(lparam));
  if (control == nullptr) return 0;
  const int code = HIWORD(wparam);
  if (IsLayerNotification(control->kind, code) || (control->reportsFocus && code == EN_SETFOCUS))
    DeliverNotify(::GetDlgCtrlID(control->hwnd), code);
  return 0;
}

LRESULT Window::OnNotify(const NMHDR& header, LPARAM lparam) {
  const Control* control = FindByHandle(header.hwndFrom);
  if (control == nullptr) return 0;
  const auto id = static_cast<ui::ControlId>(header.idFrom);
  if (header.code == NM_CUSTOMDRAW) return OnCustomDraw(*control, id, lparam);
  if (control->rows && (header.code == LVN_GETDISPINFOA || header.code == LVN_GETDISPINFOW))
    return AnswerRowRequest(*control, header, lparam);
  if (control->kind == ui::ControlKind::kListView && (header.code == NM_CLICK || header.code == NM_DBLCLK)) {
    const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(lparam);
    if (control->checkBoxes && header.code == NM_CLICK) ToggleTickAt(*control, activate->ptAction);
    DeliverNotify(id, header.code == NM_CLICK ? ui::notify::kListViewClick : ui::notify::kListViewDoubleClick,
                  activate->iItem);
  }
  if (control->kind == ui::ControlKind::kListView && header.code == LVN_COLUMNCLICK) {
    ui::Event event;
    event.kind = ui::MessageKind::kControlNotify;
    event.controlId = id;
    event.notifyCode = ui::notify::kListViewColumnClick;
    event.commandCode = reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem;
    Deliver(event);
  }
  return 0;
}

static_assert(ui::custom_draw::kItemPrePaint == CDDS_ITEMPREPAINT &&
                  ui::custom_draw::kSubItemPrePaint == (CDDS_ITEMPREPAINT | CDDS_SUBITEM) &&
                  ui::custom_draw::kNotifyItemDraw == CDRF_NOTIFYITEMDRAW,
              "the layer's custom-draw values are the control's own");

// The handler sees what is drawn and may set a list view row's or cell's colours, which
// go back to the control in its own record; its answer is the message's result.
LRESULT Window::OnCustomDraw(const Control& control, ui::ControlId id, LPARAM lparam) {
  auto* draw = reinterpret_cast<NMCUSTOMDRAW*>(lparam);
  const bool listView = control.kind == ui::ControlKind::kListView;  // the control may go with the handler
  ui::CustomDraw record;
  record.stage = static_cast<int>(draw->dwDrawStage);
  if (draw->dwDrawStage & CDDS_ITEM) record.row = static_cast<int>(draw->dwItemSpec);
  if (listView && (draw->dwDrawStage & CDDS_SUBITEM))
    record.column = reinterpret_cast<NMLVCUSTOMDRAW*>(lparam)->iSubItem;
  ui::Event event;
  event.kind = ui::MessageKind::kControlNotify;
  event.controlId = id;
  event.notifyCode = ui::notify::kCustomDraw;
  event.customDraw = &record;
  const int result = Deliver(event);
  if (listView) {
    auto* view = reinterpret_cast<NMLVCUSTOMDRAW*>(lparam);
    if (record.textColour) view->clrText = *record.textColour;
    if (record.backgroundColour) view->clrTextBk = *record.backgroundColour;
  }
  return result;
}

LRESULT Window::OnVerticalScroll(WPARAM wparam, LPARAM lparam) {
  auto scrollBar = reinterpret_cast<HWND>(lparam);
  const int code = LOWORD(wparam);
  ui::Event event;
  event.kind = ui::MessageKind::kVerticalScroll;
  event.commandCode = code;
  event.scrollPosition = ScrollPositionOf(scrollBar, code);
  event.controlId = ::GetDlgCtrlID(scrollBar);
  Deliver(event);
  return 0;
}

LRESULT Window::OnControlColour(UINT message, HDC dc, HWND handle) {
  const Control* control = FindByHandle(handle);
  if (control != nullptr && control->colours) {
    ::SetTextColor(dc, control->colours->text);
    ::SetBkColor(dc, control->colours->background);
    return reinterpret_cast<LRESULT>(control->colours->brush.Get());
  }
  if (control != nullptr && UsesWindowBackground(control->kind)) {
    ::SetBkColor(dc, backgroundColour_);
    return reinterpret_cast<LRESULT>(background_.Get());
  }
  return ::DefWindowProcA(hwnd_, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(handle));
}

}  // namespace win32
