#include "platform/win32/key_report_subclass.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/win32/window.h"

namespace win32 {

namespace {

LRESULT CALLBACK KeyReportProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR subclassId,
                                    DWORD_PTR refData) {
  switch (message) {
    case WM_KEYDOWN: {
      ui::Event event;
      event.kind = ui::MessageKind::kControlNotify;
      event.commandCode = static_cast<int>(wparam);
      event.controlId = static_cast<ui::ControlId>(subclassId);
      event.notifyCode = ui::notify::kKeyDown;
      reinterpret_cast<Window*>(refData)->Deliver(event);
      // The handler may have closed the window, and the control with it.
      if (!::IsWindow(control)) return 0;
      break;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(control, &KeyReportProcedure, subclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void ReportKeys(HWND control, Window& owner, ui::ControlId id) {
  ::SetWindowSubclass(control, &KeyReportProcedure, static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(&owner));
}

}  // namespace win32
