#include "platform/win32/edit_typing_filter.h"

#include <windows.h>
#include <commctrl.h>

namespace win32 {

namespace {

constexpr UINT_PTR kFilterSubclassId = 1;

LRESULT CALLBACK FilterProcedure(HWND edit, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR subclassId,
                                 DWORD_PTR refData) {
  switch (message) {
    case WM_CHAR: {
      const auto accepts = static_cast<ui::EditAccepts>(refData);
      if (wparam > 0xFF || !ui::AcceptsTypedCharacter(accepts, static_cast<unsigned char>(wparam))) return 0;
      break;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(edit, &FilterProcedure, subclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(edit, message, wparam, lparam);
}

}  // namespace

void FilterTypedCharacters(HWND edit, ui::EditAccepts accepts) {
  if (accepts == ui::EditAccepts::kAnything) return;
  ::SetWindowSubclass(edit, &FilterProcedure, kFilterSubclassId, static_cast<DWORD_PTR>(accepts));
}

}  // namespace win32
