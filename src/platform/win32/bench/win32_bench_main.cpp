// The entry point of the Win32 benchmarks: the common controls and the real window
// layer, then the cases, which are written against the layer's interfaces only.
//
//   win32_bench.exe [runs]    (each case runs this many times; 3 unless given)
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "bench/win32/index_colour_win32_bench.h"
#include "platform/win32/system.h"

int main(int argc, char** argv) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                   ICC_TREEVIEW_CLASSES | ICC_TAB_CLASSES;
  ::InitCommonControlsEx(&controls);
  const int asked = argc > 1 ? std::atoi(argv[1]) : 0;
  try {
    win32::System system;
    return bench::RunIndexColourWin32Bench(system, asked > 0 ? asked : 3);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "win32_bench: %s\n", e.what());
    return 1;
  }
}
