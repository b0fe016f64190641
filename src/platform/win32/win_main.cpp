// The Windows entry point of the editor.
#include <windows.h>
#include <commctrl.h>

#include "app/run_editor.h"
#include "platform/win32/system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                   ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES;
  ::InitCommonControlsEx(&controls);
  try {
    win32::System system;
    return editor::RunEditor(system);
  } catch (...) {
    return 1;
  }
}
