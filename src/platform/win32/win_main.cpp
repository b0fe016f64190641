// The Windows entry point of the editor.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "app/run_editor.h"
#include "platform/win32/system.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                   ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES;
  ::InitCommonControlsEx(&controls);
  try {
    win32::System system;
    editor::StartOptions options;
    // A switch for looking at the file-open layout without a file.
    options.showEditingLayout = commandLine != nullptr && std::strstr(commandLine, "--show-editing-layout") != nullptr;
    return editor::RunEditor(system, options);
  } catch (...) {
    return 1;
  }
}
