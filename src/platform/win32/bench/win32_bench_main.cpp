// The entry point of the Win32 benchmarks: the common controls and the real window
// layer, then the cases, which are written against the layer's interfaces only.
//
//   win32_bench.exe [runs] [index|files|tabs|move|search|controls|startup]
//
// Each case runs `runs` times (3 unless given); the second argument picks one group of
// cases, the index and colouring, the file open and save, tab switching and closing,
// moving a subroutine, searching in the results window, rebuilding the control search's
// list, or starting the editor's executable, where all run otherwise.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string_view>

#include "bench/win32/control_list_win32_bench.h"
#include "bench/win32/file_io_win32_bench.h"
#include "bench/win32/index_colour_win32_bench.h"
#include "bench/win32/move_win32_bench.h"
#include "bench/win32/search_win32_bench.h"
#include "bench/win32/tab_switch_win32_bench.h"
#include "platform/win32/bench/startup_bench.h"
#include "platform/win32/system.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                   ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES;
  ::InitCommonControlsEx(&controls);
  const int asked = argc > 1 ? std::atoi(argv[1]) : 0;
  const int runs = asked > 0 ? asked : 3;
  const std::string_view group = argc > 2 ? argv[2] : "";
  try {
    win32::System system;
    int status = 0;
    if (group.empty() || group == "index") status |= bench::RunIndexColourWin32Bench(system, runs);
    if (group.empty() || group == "files") status |= bench::RunFileIoWin32Bench(system, runs);
    if (group.empty() || group == "tabs") status |= bench::RunTabSwitchWin32Bench(system, runs);
    if (group.empty() || group == "move") status |= bench::RunMoveWin32Bench(system, runs);
    if (group.empty() || group == "search") status |= bench::RunSearchWin32Bench(system, runs);
    if (group.empty() || group == "controls") status |= bench::RunControlListWin32Bench(system, runs);
    if (group.empty() || group == "startup") status |= bench::RunStartupBench(runs);
    return status;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "win32_bench: %s\n", e.what());
    return 1;
  }
}
