#include "platform/win32/control_styles.h"

#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <algorithm>

namespace win32 {

namespace {

constexpr int kComboDropHeight = 200;

DWORD StaticAlignment(const ui::ControlSpec& desc) {
  DWORD style = desc.align == ui::TextAlign::kCentre ? SS_CENTER : desc.align == ui::TextAlign::kRight ? SS_RIGHT : SS_LEFT;
  if (desc.verticallyCentred) style |= SS_CENTERIMAGE;
  return style;
}

DWORD EditAlignment(const ui::ControlSpec& desc) {
  return desc.align == ui::TextAlign::kCentre ? ES_CENTER : desc.align == ui::TextAlign::kRight ? ES_RIGHT : ES_LEFT;
}

DWORD ButtonAlignment(const ui::ControlSpec& desc) {
  return desc.align == ui::TextAlign::kCentre ? BS_CENTER : desc.align == ui::TextAlign::kRight ? BS_RIGHT : 0;
}

}  // namespace

ControlStyle StyleFor(const ui::ControlSpec& desc) {
  const DWORD readOnly = desc.readOnly ? ES_READONLY : 0;
  switch (desc.kind) {
    case ui::ControlKind::kPushButton:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ui::ControlKind::kImageButton:
      return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};  // BS_BITMAP once the bitmap has loaded
    case ui::ControlKind::kCheckBox:
      return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | ButtonAlignment(desc), 0};
    case ui::ControlKind::kRadioButton:
      return {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP | ButtonAlignment(desc), 0};
    case ui::ControlKind::kEdit:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | WS_BORDER | EditAlignment(desc) | readOnly, 0};
    case ui::ControlKind::kListBox:
      return {"LISTBOX",
              static_cast<DWORD>(LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL | WS_BORDER | WS_TABSTOP |
                                 LBS_NOINTEGRALHEIGHT | (desc.multiSelect ? LBS_EXTENDEDSEL : 0)),
              0};
    case ui::ControlKind::kComboBox:
      return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, 0};
    case ui::ControlKind::kStatic:
      return {"STATIC", SS_NOTIFY | StaticAlignment(desc), 0};
    case ui::ControlKind::kVerticalScrollBar:
      return {"SCROLLBAR", SBS_VERT, 0};
    case ui::ControlKind::kGroupBox:
      return {"BUTTON", BS_GROUPBOX, 0};
    case ui::ControlKind::kRichEdit:
      // No vertical scroll bar of its own: the editor puts a separate one beside it. Text
      // dragged within or into the control would change it behind the editor's undo, whose
      // later steps would then land in the wrong places.
      return {"RichEdit20A",
              ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_WANTRETURN | ES_NOOLEDRAGDROP |
                  WS_HSCROLL | WS_TABSTOP | readOnly,
              WS_EX_CLIENTEDGE};
    case ui::ControlKind::kListView:
      return {WC_LISTVIEWA,
              static_cast<DWORD>(LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP |
                                 (desc.multiSelect ? 0 : LVS_SINGLESEL)),
              0};
    case ui::ControlKind::kStatusBar:
      return {STATUSCLASSNAMEA, 0, 0};
    case ui::ControlKind::kTreeView:
      return {WC_TREEVIEWA, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
              0};
  }
  return {"STATIC", 0, 0};
}

int CreationHeight(const ui::ControlSpec& desc) {
  if (desc.kind == ui::ControlKind::kComboBox) return std::max(desc.rect.height, kComboDropHeight);
  return desc.rect.height;
}

}  // namespace win32
