#include "platform/win32/edit_enter_subclass.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/window.h"

namespace win32 {

namespace {

LRESULT CALLBACK EditProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR subclassId,
                               DWORD_PTR refData) {
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == VK_RETURN) {
        ui::Event event;
        event.kind = ui::MessageKind::kControlNotify;
        event.controlId = static_cast<ui::ControlId>(subclassId);
        event.notifyCode = ui::notify::kEnter;
        reinterpret_cast<Window*>(refData)->Deliver(event);
        return 0;
      }
      break;
    case WM_CHAR:
      if (wparam == '\r') return 0;  // the plain edit would only beep
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(edit, &EditProcedure, subclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

void WatchForEnter(HWND edit, Window& owner, ui::ControlId id) {
  ::SetWindowSubclass(edit, &EditProcedure, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(&owner));
}

}  // namespace win32
